#pragma once
// The radical directory page (部首目录): radicals found by their own stroke
// order, stroke count or pinyin. The chosen radical becomes the current
// radical of the radical lookup page, which the page then asks to be shown.
#include "tesvik/lookup/radical/RadicalSearch.h"
#include "tesvik/lookup/radical/RadicalSelection.h"
#include "tesvik/ui/pages/CandidatePage.h"
#include "tesvik/ui/widgets/CodeStatusLine.h"
#include "tesvik/ui/widgets/PageNotifier.h"
#include "tesvik/ui/widgets/RadicalStrokeField.h"

#include <memory>
#include <vector>

class QLineEdit;
class QPushButton;

namespace tesvik::ui {

class RadicalDirectoryPage : public CandidatePage {
    Q_OBJECT
public:
    // The radical lookup page's position among the main window's pages.
    static constexpr int kLookupPageIndex = 1;

    explicit RadicalDirectoryPage(PageContext context, QWidget* parent = nullptr);
    ~RadicalDirectoryPage() override;

    QWidget* firstFocusWidget() override;
    void applySettings() override;

    const tesvik::lookup::CurrentRadical& currentRadical() const { return current_; }
    void setNotifier(std::unique_ptr<PageNotifier> notifier);

signals:
    // The current radical changed (a selection in the list or a
    // confirmation): radical 0 and an empty key when there is none.
    void radicalChosen(quint32 radical, const QString& key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout();
    void pressStroke(char digit);
    void pressBack();
    void strokeFieldEdited();
    void countFieldEdited(const QString& text);
    void pinyinFieldEdited(const QString& text);
    void search();
    void selectionChanged();
    void confirm(tesvik::lookup::KeyAliasing aliasing);
    void confirmButtonClicked();
    void setCurrent(const tesvik::lookup::CurrentRadical& current);
    void refuse(QLineEdit* field, const tesvik::Message& message, int selectFrom, const QString& caption);

    RadicalStrokeField* strokeField_;
    QLineEdit* countField_;
    QLineEdit* pinyinField_;
    CandidateGrid* grid_;
    OneCellBox* currentBox_;
    CodeStatusLine* status_;
    QPushButton* confirmButton_;
    std::unique_ptr<PageNotifier> notifier_;

    tesvik::lookup::RadicalQuery query_;
    std::vector<tesvik::lookup::RadicalCandidate> candidates_;
    tesvik::lookup::CurrentRadical current_;
    bool updatingFields_ = false;
};

// The key text the radical pages pass between them ("" for none).
QString radicalKeyText(const std::optional<tesvik::lookup::RadicalKey>& key);

}  // namespace tesvik::ui
