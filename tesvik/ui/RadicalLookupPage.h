#pragma once
// The radical lookup page (部首检字): the characters filed under the current
// radical, narrowed by the strokes outside the radical. Every showing of the
// page resets its query and searches again.
#include "tesvik/index/RadicalCharSearch.h"
#include "tesvik/index/RadicalSelection.h"
#include "tesvik/ui/CandidatePage.h"
#include "tesvik/ui/CodeStatusLine.h"
#include "tesvik/ui/RadicalNotifier.h"
#include "tesvik/ui/RadicalRemainingSpinBox.h"
#include "tesvik/ui/RadicalStrokeField.h"

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

    const tesvik::CurrentRadical& currentRadical() const { return current_; }
    const tesvik::RadicalCharQuery& query() const { return query_; }
    void setNotifier(std::unique_ptr<RadicalNotifier> notifier);

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
    std::unique_ptr<RadicalNotifier> notifier_;

    tesvik::RadicalCharQuery query_;
    std::vector<tesvik::RadicalCharCandidate> kept_;
    tesvik::CurrentRadical current_;
    std::optional<int> rememberedIndex_;
    bool updatingFields_ = false;
};

}  // namespace tesvik::ui
