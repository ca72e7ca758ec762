#include "tesvik/ui/widgets/RadicalStrokeField.h"

#include "tesvik/lookup/stroke/StrokePageInput.h"
#include "tesvik/program/Settings.h"

#include <QKeyEvent>
#include <QRegularExpressionValidator>

namespace tesvik::ui {
namespace {

QString glyphOf(char digit) { return QString::fromUtf8(tesvik::lookup::strokeGlyph(digit)); }

// A character key: one that would put text into the field.
bool typesCharacter(const QKeyEvent& event) {
    if (event.text().isEmpty()) return false;
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    const char32_t first = event.text().toUcs4().value(0);
    return first >= 0x20 && first != 0x7F;
}

}  // namespace

QString radicalStrokeGlyphs(const std::string& digits) {
    QString glyphs;
    for (char digit : digits) glyphs += glyphOf(digit);
    return glyphs;
}

RadicalStrokeField::RadicalStrokeField(QWidget* parent)
    : QLineEdit(parent), strokeKeys_(tesvik::program::kDefaultStrokeKeys) {
    // Pasted text must be stroke glyphs too, so that glyphs and digits agree.
    setValidator(new QRegularExpressionValidator(QRegularExpression("[" + radicalStrokeGlyphs("12345") + "]*"), this));
}

void RadicalStrokeField::setStrokeKeys(std::string keys) { strokeKeys_ = std::move(keys); }

std::string RadicalStrokeField::digits() const {
    std::string digits;
    for (const QChar c : text()) {
        for (char digit = '1'; digit <= '5'; ++digit) {
            if (glyphOf(digit) == QString(c)) digits.push_back(digit);
        }
    }
    return digits;
}

int RadicalStrokeField::glyphCount() const { return static_cast<int>(text().size()); }

void RadicalStrokeField::setDigits(const std::string& digits) { setText(radicalStrokeGlyphs(digits)); }

void RadicalStrokeField::keyPressEvent(QKeyEvent* event) {
    if (!typesCharacter(*event)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    if (event->key() == Qt::Key_Space) return;
    const auto digit = tesvik::lookup::strokeDigitForKey(event->text().toUcs4().value(0), strokeKeys_);
    if (!digit) {
        emit keyRefused(digit.error());
        return;
    }
    insert(glyphOf(digit.value()));
}

}  // namespace tesvik::ui
