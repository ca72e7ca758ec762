#include "tesvik/ui/widgets/StrokeKeyEdit.h"

#include <QKeyEvent>

#include "tesvik/lookup/stroke/StrokePageInput.h"

namespace tesvik::ui {
namespace {

bool typesACharacter(const QKeyEvent* event) {
    const QString text = event->text();
    if (text.isEmpty()) return false;
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    const char32_t first = text.toUcs4().value(0);
    return first >= 0x20 && first != 0x7F;
}

}  // namespace

StrokeKeyEdit::StrokeKeyEdit(StrokeKeys keys, QWidget* parent) : QLineEdit(parent), keys_(std::move(keys)) {
    setAcceptDrops(false);
    setDragEnabled(false);
}

void StrokeKeyEdit::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {  // only stroke keys make strokes
        event->accept();
        return;
    }
    if (!typesACharacter(event)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    const char32_t key = event->text().toUcs4().value(0);
    if (key == U' ' && spaceIsOutputKey && spaceIsOutputKey()) return;
    const auto digit = tesvik::lookup::strokeDigitForKey(key, keys_());
    if (!digit) {
        if (onRefused) onRefused(digit.error());
        return;
    }
    insert(QString::fromUtf8(tesvik::lookup::strokeGlyph(*digit).data()));
}

}  // namespace tesvik::ui
