#pragma once
// "引入Zorvan补字库": which font, which library, where the new files go, the
// mode, the precedence and curve optimisation.
#include "pelorin/fonts/FontEntry.h"
#include "pelorin/fonts/GlyphImport.h"

#include <QDialog>

#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace pelorin::ui {

class ImportDialog : public QDialog {
    Q_OBJECT
public:
    // `selectedRow` is preselected (-1: none); `currentDirectory` is where a
    // new font file goes by default.
    ImportDialog(const std::vector<fonts::FontEntry>& list, int selectedRow, QString currentDirectory,
                 QWidget* parent = nullptr);

    int chosenRow() const;
    // The settings as shown, with the paths made absolute.
    fonts::ImportSettings settings() const;

    void accept() override;

private:
    void buildLayout();
    void applyDefaults();
    void setMode(fonts::ImportMode mode);
    void browseLibrary();
    void browseNewFont();
    void browseNewEudc();
    bool confirmReplacing(const QString& path);
    QString absolute(const QString& path) const;

    const std::vector<fonts::FontEntry>& list_;
    QString currentDirectory_;
    QComboBox* fontCombo_ = nullptr;
    QLineEdit* libraryEdit_ = nullptr;
    QLabel* newFontLabel_ = nullptr;
    QLineEdit* newFontEdit_ = nullptr;
    QPushButton* newFontBrowse_ = nullptr;
    QLineEdit* newEudcEdit_ = nullptr;
    QButtonGroup* modes_ = nullptr;
    QButtonGroup* precedences_ = nullptr;
    QRadioButton* precedenceFont_ = nullptr;
    QRadioButton* precedenceLibrary_ = nullptr;
    QCheckBox* smooth_ = nullptr;
};

}  // namespace pelorin::ui
