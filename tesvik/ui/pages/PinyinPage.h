#pragma once
// Looking characters up by their full pinyin spelling and tone.
#include "tesvik/ui/pages/CandidatePage.h"

#include "tesvik/lookup/pinyin/PinyinByCodeFile.h"
#include "tesvik/lookup/pinyin/PinyinEntries.h"
#include "tesvik/lookup/pinyin/PinyinIndex.h"
#include "tesvik/ui/widgets/PageNotifier.h"

#include <memory>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace tesvik::ui {

class CodeStatusLine;

class PinyinPage : public CandidatePage {
    Q_OBJECT
public:
    explicit PinyinPage(PageContext context, QWidget* parent = nullptr);
    QWidget* firstFocusWidget() override;
    // Replaces the message boxes (tests record instead).
    void setNotifier(std::unique_ptr<PageNotifier> notifier);

    void runQuery();  // the hidden "查询" button

protected:
    void beforeKeyOutput() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    void loadFiles();
    void checkText();
    void fillGrid();
    void showSelection();
    void clearAll();
    void report(const tesvik::Message& message);
    void reportInputError(const tesvik::Message& message);

    QLineEdit* text_ = nullptr;
    QComboBox* tones_ = nullptr;
    QPushButton* query_ = nullptr;
    CandidateGrid* grid_ = nullptr;
    OneCellBox* current_ = nullptr;
    OneCellBox* radical_ = nullptr;
    QComboBox* readings_ = nullptr;
    QCheckBox* outsideGbk_ = nullptr;
    CodeStatusLine* status_ = nullptr;

    tesvik::lookup::PinyinIndex index_;
    tesvik::lookup::PinyinEntries entries_;
    std::optional<tesvik::lookup::PinyinByCodeFile> byCode_;
    std::vector<tesvik::lookup::PinyinResult> results_;
    int indexAfterRefill_ = 0;
    std::unique_ptr<PageNotifier> notifier_;
};

}  // namespace tesvik::ui
