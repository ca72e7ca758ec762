#pragma once
// "Lumenar字体管理表": the installed fonts with their files and EUDC links,
// and the buttons that import a library, back a font up, link and unlink
// its EUDC font, show the about box and the help, and exit.
#include "pelorin/fonts/FontEntry.h"
#include "pelorin/fonts/GlyphImport.h"
#include "pelorin/ui/ManagerBackend.h"

#include <QUrl>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class QCheckBox;
class QPushButton;
class QTreeWidget;

namespace pelorin::ui {

class ImportRun;
struct ImportOutcome;

struct WindowServices {
    std::function<bool(const QUrl&)> openUrl;  // the desktop's default handler
    QUrl helpDocument;                         // empty when none is installed
    QString currentDirectory;                  // where the import dialog puts a new font file
};

class FontManagerWindow : public QWidget {
    Q_OBJECT
public:
    FontManagerWindow(ManagerBackend& backend, WindowServices services, QWidget* parent = nullptr);
    ~FontManagerWindow() override;

    const std::vector<fonts::FontEntry>& entries() const { return list_; }
    int selectedRow() const { return selected_; }
    bool importRunning() const { return import_ != nullptr; }

    // Builds the list afresh. The paths an import wrote in this session and
    // the selection stay with their font. Messages about an empty list are
    // shown only when `showMessages`.
    void rebuildList(bool showMessages);

    // The window's buttons and dialogs, as a click runs them.
    void importLibrary();
    // What OK in the import dialog starts: the import of `row` with the
    // progress window; the window's contents are disabled until it ends.
    void startImport(int row, const fonts::ImportSettings& settings);
    void backUpFont();
    void linkEudc();
    void unlinkEudc();
    void showAbout();
    void showHelp();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildLayout();
    void fillView(int selectedRow, int currentRow);
    void refreshRow(int row);
    void selectRow(int row);
    int rowOf(const fonts::FontEntry& entry) const;
    void onSelectionChanged();
    void importEnded(const ImportOutcome& outcome);
    void inform(const QString& message);
    fonts::FontListScope scope() const;

    ManagerBackend& backend_;
    WindowServices services_;
    std::vector<fonts::FontEntry> list_;
    int selected_ = -1;
    bool rebuildPending_ = false;
    QWidget* content_ = nullptr;
    QTreeWidget* view_ = nullptr;
    QPushButton* backup_ = nullptr;
    QPushButton* link_ = nullptr;
    QPushButton* unlink_ = nullptr;
    QCheckBox* showAll_ = nullptr;
    ImportRun* import_ = nullptr;
};

}  // namespace pelorin::ui
