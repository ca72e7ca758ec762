#pragma once
// "补字区": the 48 custom-character code points U+E650-U+E67F, the code of
// the selected one, and an entry that outputs any character up to U+FFFFF
// by its code value.
#include "tesvik/program/CustomAreaCodeDisplay.h"
#include "tesvik/program/CustomAreaCodeEntry.h"
#include "tesvik/ui/pages/CandidatePage.h"
#include "tesvik/ui/widgets/PageNotifier.h"

#include <memory>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace tesvik::ui {

class CustomAreaGrid;

class CustomAreaPage : public CandidatePage {
    Q_OBJECT
public:
    explicit CustomAreaPage(PageContext context, QWidget* parent = nullptr);

    QWidget* firstFocusWidget() override;
    void applySettings() override;
    // Replaces the message boxes (tests record instead).
    void setNotifier(std::unique_ptr<PageNotifier> notifier);

    CustomAreaGrid* grid() const { return grid_; }
    std::uint32_t previewValue() const { return entry_.preview(); }

private:
    QWidget* buildGridArea();
    QWidget* buildCodeRow();
    QWidget* buildEntryGroup();
    void showSelectedCode();
    void switchCodeFormat(int index);
    void chooseFont(const QString& family);
    void enterCodeValue(const QString& text);
    void outputEnteredCharacter();

    CustomAreaGrid* grid_ = nullptr;
    QLineEdit* codeField_ = nullptr;
    QComboBox* formatList_ = nullptr;
    QComboBox* fontList_ = nullptr;
    QLineEdit* codeValueEdit_ = nullptr;
    OneCellBox* preview_ = nullptr;
    QPushButton* codeValueButton_ = nullptr;

    program::CustomAreaCodeDisplay display_;
    program::CodeValueEntry entry_;
    std::unique_ptr<PageNotifier> notifier_;
};

}  // namespace tesvik::ui
