#include "tesvik/ui/pages/CandidatePage.h"

#include "tesvik/chars/CopyFormats.h"
#include "tesvik/ui/widgets/CodeStatusLine.h"
#include "tesvik/ui/widgets/GlyphCoverageCache.h"

#include <QApplication>
#include <QKeyEvent>

namespace tesvik::ui {

namespace {
QString fontFamilyOf(const tesvik::program::Settings* settings) {
    return settings == nullptr ? QString() : QString::fromStdString(settings->currentFontName);
}

tesvik::program::CodeSpaceColors coloursOf(const tesvik::program::Settings* settings) {
    return settings == nullptr ? tesvik::program::CodeSpaceColors{} : settings->colors;
}

bool keyWanted(int key, const OutputKeys& keys) {
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return keys.enter;
        case Qt::Key_Space:
            return keys.space;
        default:
            return false;
    }
}
}  // namespace

CandidatePage::CandidatePage(PageContext context, QWidget* parent) : QWidget(parent), context_(std::move(context)) {
    // Keys are seen before any control of the page handles them, like a
    // dialog's message pre-translation.
    qApp->installEventFilter(this);
}

const PageContext& CandidatePage::context() const { return context_; }

void CandidatePage::applySettings() {
    for (const auto& attached : grids_)
        if (attached.grid) applyAppearance(attached.grid);
    for (const auto& box : boxes_)
        if (box) applyAppearance(box);
    applyFontToStatusLines();
}

void CandidatePage::attachGrid(CandidateGrid* grid, OutputKeys keys) {
    grids_.push_back({grid, keys});
    applyAppearance(grid);
    connect(grid, &CandidateGrid::picked, this, [this, grid] { output(grid); });
    connect(grid, &CandidateGrid::copyRequested, this, [this, grid] { copy(grid); });
    connect(grid, &CandidateGrid::codeCopyRequested, this, [this, grid](CodeCopy what) { copyCode(grid, what); });
}

void CandidatePage::attachBox(OneCellBox* box) {
    boxes_.emplace_back(box);
    applyAppearance(box);
}

void CandidatePage::applyAppearance(CandidateGrid* grid) const {
    const QString family = fontFamilyOf(context_.settings);
    grid->setAppearance(coloursOf(context_.settings), family);
    const bool hide = context_.settings != nullptr && context_.settings->hideUndrawable != 0;
    grid->setGlyphCoverage(glyphCoverageOf(family), hide);
}

// The status lines are made by the pages, some after their grid is attached:
// they learn the font when the page is first shown and after each change.
void CandidatePage::applyFontToStatusLines() {
    for (CodeStatusLine* line : findChildren<CodeStatusLine*>())
        line->setGlyphCoverage(glyphCoverageOf(fontFamilyOf(context_.settings)));
}

void CandidatePage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    applyFontToStatusLines();
}

void CandidatePage::applyAppearance(OneCellBox* box) const {
    box->setAppearance(coloursOf(context_.settings), fontFamilyOf(context_.settings));
}

bool CandidatePage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !takesKey(watched, event)) return false;
    const bool consumed = handleKey(static_cast<const QKeyEvent&>(*event));
    // A consumed key travels no further. The next key may arrive at the same
    // address, at the parent of this receiver when Esc moved the focus there,
    // and is a key of its own.
    if (consumed) lastKey_ = nullptr;
    return consumed;
}

bool CandidatePage::takesKey(QObject* watched, QEvent* event) {
    if (!watched->isWidgetType()) return false;
    auto* receiver = static_cast<QWidget*>(watched);
    // A key that a control does not accept travels up to its parents as the
    // same event. After an output has hidden the window no control has the
    // focus any more, so the travel is recognised by the event itself.
    const bool passedOn = event == lastKey_ && lastKeyReceiver_ && receiver == lastKeyReceiver_->parentWidget();
    lastKey_ = event;
    lastKeyReceiver_ = receiver;
    if (passedOn) return false;
    if (receiver != this && !isAncestorOf(receiver)) return false;
    return isFirstReceiver(receiver);
}

// A key that a control passes on reaches its parents too; only its first
// receiver counts.
bool CandidatePage::isFirstReceiver(QWidget* receiver) const {
    QWidget* focus = QApplication::focusWidget();
    if (focus != nullptr && (focus == this || isAncestorOf(focus))) return receiver == focus;
    return receiver->focusPolicy() != Qt::NoFocus || receiver == this;
}

bool CandidatePage::handleKey(const QKeyEvent& key) {
    if (key.key() == Qt::Key_Escape) {
        for (const auto& attached : grids_) {
            if (attached.grid && attached.keys.escape) {
                setFocus(Qt::OtherFocusReason);
                return true;
            }
        }
        return false;
    }
    if (CandidateGrid* grid = outputGridFor(key.key())) {
        beforeKeyOutput();
        output(grid);
    }
    return false;  // the key goes on to normal processing
}

// The grid that outputs on this key: the focused one, else the first that
// takes the key; only when it holds items.
CandidateGrid* CandidatePage::outputGridFor(int key) const {
    CandidateGrid* chosen = nullptr;
    for (const auto& attached : grids_) {
        if (!attached.grid || !keyWanted(key, attached.keys)) continue;
        if (attached.grid->hasFocus()) {
            chosen = attached.grid;
            break;
        }
        if (chosen == nullptr) chosen = attached.grid;
    }
    return chosen != nullptr && chosen->count() > 0 ? chosen : nullptr;
}

void CandidatePage::output(CandidateGrid* grid) {
    const auto value = grid->selectedValue();
    if (!value || context_.output == nullptr) return;
    context_.output->outputCharacter(*value);
    afterOutput();
}

void CandidatePage::copyCode(CandidateGrid* grid, CodeCopy what) {
    const auto value = grid->selectedValue();
    if (!value || context_.output == nullptr) return;
    switch (what) {
        case CodeCopy::CodePoint:
            context_.output->copyText(tesvik::chars::codePointNotation(*value));
            break;
        case CodeCopy::HtmlReference:
            context_.output->copyText(tesvik::chars::htmlReference(*value));
            break;
        case CodeCopy::Gb18030Bytes:
            context_.output->copyText(tesvik::chars::gb18030ByteText(*value));
            break;
        case CodeCopy::StandardCharacter:
            if (auto twin = tesvik::chars::standardTwinOf(*value)) context_.output->copyCharacter(*twin);
            break;
    }
}

void CandidatePage::copy(CandidateGrid* grid) {
    const auto value = grid->selectedValue();
    if (!value || context_.output == nullptr) return;
    context_.output->copyCharacter(*value);
}

}  // namespace tesvik::ui
