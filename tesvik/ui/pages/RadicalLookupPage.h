#pragma once
// The radical lookup page (部首检字): the characters filed under the current
// radical, narrowed by the strokes outside the radical. Every showing of the
// page resets its query and searches again.
#include "tesvik/lookup/radical/RadicalCharSearch.h"
#include "tesvik/lookup/radical/RadicalSelection.h"
#include "tesvik/ui/pages/CandidatePage.h"
#include "tesvik/ui/widgets/CodeStatusLine.h"
#include "tesvik/ui/widgets/PageNotifier.h"
#include "tesvik/ui/widgets/RadicalRemainingSpinBox.h"
#include "tesvik/ui/widgets/RadicalStrokeField.h"

#include <memory>
#include <optional>
#include <vector>

class QCheckBox;
class QPushButton;

namespace tesvik::ui {

class RadicalLookupPage : public CandidatePage {
    Q_OBJECT
public:
    explicit RadicalLookupPage(PageContext context, QWidget* parent = nullptr);
    ~RadicalLookupPage() override;

    QWidget* firstFocusWidget() override;
    void applySettings() override;

    const tesvik::lookup::CurrentRadical& currentRadical() const { return current_; }
    const tesvik::lookup::RadicalCharQuery& query() const { return query_; }
    void setNotifier(std::unique_ptr<PageNotifier> notifier);

public slots:
    // The radical directory page's current radical (0 and "" for none).
    void setCurrentRadical(quint32 radical, const QString& key);
    // The modal dialog of the user's characters filed by radical.
    void openRegistrationDialog();

protected:
    void showEvent(QShowEvent* event) override;
    void beforeKeyOutput() override;

private:
    void buildLayout();
    void resetAndSearch();
    void search();
    void fillGrid();
    void pressStroke(char digit);
    void pressBack();
    void strokeFieldEdited();
    void remainingEdited(const QString& text);
    void showStrokes();

    OneCellBox* radicalBox_;
    RadicalRemainingSpinBox* remaining_;
    RadicalStrokeField* strokeField_;
    QCheckBox* outsideGbk_;
    CandidateGrid* grid_;
    CodeStatusLine* status_;
    QPushButton* registrationButton_;
    std::unique_ptr<PageNotifier> notifier_;

    tesvik::lookup::RadicalCharQuery query_;
    std::vector<tesvik::lookup::RadicalCharCandidate> kept_;
    tesvik::lookup::CurrentRadical current_;
    std::optional<int> rememberedIndex_;
    bool updatingFields_ = false;
};

}  // namespace tesvik::ui
