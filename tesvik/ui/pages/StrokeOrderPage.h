#pragma once
// The stroke-order page (笔顺检字): characters by total stroke count and first
// strokes. The page edits the query and runs the stroke search after every
// change; the search and the input rules are the index engine's.
#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tesvik/lookup/stroke/StrokeSearch.h"
#include "tesvik/ui/pages/CandidatePage.h"
#include "tesvik/ui/widgets/PageNotifier.h"

class QCheckBox;

namespace tesvik::ui {

class CandidateGrid;
class CodeStatusLine;
class StrokeCountSpin;
class StrokeKeyEdit;

class StrokeOrderPage : public CandidatePage {
    Q_OBJECT
public:
    explicit StrokeOrderPage(PageContext context, QWidget* parent = nullptr);
    ~StrokeOrderPage() override;

    QWidget* firstFocusWidget() override;

    // Replaces the message boxes (tests record instead).
    void setNotifier(std::unique_ptr<PageNotifier> notifier);

    const tesvik::lookup::StrokeQuery& query() const { return query_; }
    CandidateGrid* grid() const { return grid_; }

public slots:
    // The dialog of the user's stroke characters, modal over the page.
    void openRegistrationDialog();

protected:
    void beforeKeyOutput() override;

private:
    void buildControls();
    void pressStroke(char digit);
    void removeStroke();
    void strokeFieldChanged(const QString& text);
    void countFieldChanged(const QString& text);
    void setStrokeFieldText(const QString& text);
    void search();
    void fillGrid();
    void notify(const tesvik::Message& message, PageNotifier::Icon icon, const QString& caption = {});

    tesvik::lookup::StrokeQuery query_;
    std::vector<tesvik::lookup::StrokeCandidate> kept_;
    std::optional<int> rememberedIndex_;
    QString strokeFieldText_;  // the last text the field held within the rules
    bool settingStrokeField_ = false;

    StrokeCountSpin* count_ = nullptr;
    StrokeKeyEdit* strokeField_ = nullptr;
    QCheckBox* tolerance_ = nullptr;
    QCheckBox* outsideGbk_ = nullptr;
    CandidateGrid* grid_ = nullptr;
    CodeStatusLine* status_ = nullptr;
    std::unique_ptr<PageNotifier> notifier_;
};

}  // namespace tesvik::ui
