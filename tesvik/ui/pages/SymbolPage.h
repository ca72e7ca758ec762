#pragma once
// Browsing characters by Unicode block: letters, punctuation, kana, radicals,
// whole CJK blocks and the Private Use Area.
#include "tesvik/ui/pages/CandidatePage.h"

#include <cstddef>

class QComboBox;

namespace tesvik::ui {

class CodeStatusLine;

class SymbolPage : public CandidatePage {
    Q_OBJECT
public:
    explicit SymbolPage(PageContext context, QWidget* parent = nullptr);
    QWidget* firstFocusWidget() override;

    int shownSubset() const;  // the subset the list shows
    int heldSubset() const;   // the subset whose characters the grid holds

protected:
    void afterOutput() override;
    void showEvent(QShowEvent* event) override;

private:
    void chooseSubset(int index);
    void showSelection();
    void refill();

    QComboBox* subsets_ = nullptr;
    CandidateGrid* grid_ = nullptr;
    CodeStatusLine* status_ = nullptr;
    int held_ = -1;
};

}  // namespace tesvik::ui
