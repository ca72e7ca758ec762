#include "tesvik/ui/widgets/StrokeButtons.h"

#include "tesvik/lookup/stroke/StrokePageInput.h"
#include "tesvik/messages/Messages.h"
#include "tesvik/ui/widgets/UiText.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace tesvik::ui {
namespace {

constexpr std::array<tesvik::MessageId, 5> kStrokeTooltips{
    tesvik::MessageId::StrokeTooltip1, tesvik::MessageId::StrokeTooltip2, tesvik::MessageId::StrokeTooltip3,
    tesvik::MessageId::StrokeTooltip4, tesvik::MessageId::StrokeTooltip5};

QPushButton* smallButton(const QString& text, const QString& tooltip, const QString& name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setToolTip(tooltip);
    button->setAccessibleName(text);
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

}  // namespace

StrokeButtons::StrokeButtons(const QString& prefix, QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    for (std::size_t i = 0; i < strokes_.size(); ++i) {
        const char digit = static_cast<char>('1' + i);
        strokes_[i] = smallButton(QString::fromUtf8(tesvik::lookup::strokeGlyph(digit)), uiText(kStrokeTooltips[i]),
                                  prefix + "Button" + QChar(digit), this);
        strokes_[i]->setMaximumWidth(32);
        layout->addWidget(strokes_[i]);
        connect(strokes_[i], &QPushButton::clicked, this, [this, digit] { emit strokePressed(digit); });
    }
    back_ = smallButton(uiText(tesvik::MessageId::StrokeBackButton), uiText(tesvik::MessageId::StrokeBackTooltip),
                        prefix + "BackButton", this);
    layout->addWidget(back_);
    connect(back_, &QPushButton::clicked, this, &StrokeButtons::backPressed);
}

QPushButton* StrokeButtons::strokeButton(char digit) const {
    return strokes_.at(static_cast<std::size_t>(digit - '1'));
}

}  // namespace tesvik::ui
