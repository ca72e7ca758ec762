#include "tesvik/ui/mainwindow/PageButtonRow.h"

#include "tesvik/messages/Messages.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>

namespace tesvik::ui {

namespace {

using tesvik::MessageId;
using tesvik::program::MainButton;

QString text(MessageId id) {
    const std::string_view t = tesvik::messageText(id);
    return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
}

MessageId captionOf(program::MainButton b) {
    switch (b) {
        case program::MainButton::Radicals:
            return MessageId::MainRadicalButton;
        case program::MainButton::StrokeOrder:
            return MessageId::MainStrokeOrderButton;
        case program::MainButton::Pinyin:
            return MessageId::MainPinyinButton;
        case program::MainButton::CustomArea:
            return MessageId::MainCustomAreaButton;
        case program::MainButton::Symbols:
            return MessageId::MainSymbolButton;
        case program::MainButton::StrokeRegistration:
            return MessageId::MainStrokeRegistrationButton;
        case program::MainButton::RadicalRegistration:
            return MessageId::MainRadicalRegistrationButton;
        case program::MainButton::Settings:
            return MessageId::MainSettingsButton;
        case program::MainButton::Help:
            return MessageId::MainHelpButton;
        case program::MainButton::About:
            return MessageId::MainAboutButton;
    }
    return MessageId::MainAboutButton;
}

std::optional<MessageId> tooltipOf(program::MainButton b, bool symbolPageHosted) {
    switch (b) {
        case program::MainButton::Radicals:
            return MessageId::MainRadicalTooltip;
        case program::MainButton::StrokeOrder:
            return MessageId::MainStrokeOrderTooltip;
        case program::MainButton::Pinyin:
            return MessageId::MainPinyinTooltip;
        // The custom-area button began as the symbol button and keeps its
        // tooltip, unless a symbol button of its own stands beside it.
        case program::MainButton::CustomArea:
            return symbolPageHosted ? MessageId::MainCustomAreaTooltip : MessageId::MainSymbolTooltip;
        case program::MainButton::Symbols:
            return MessageId::MainSymbolTooltip;
        case program::MainButton::Settings:
            return MessageId::MainSettingsTooltip;
        case program::MainButton::Help:
            return MessageId::MainHelpTooltip;
        case program::MainButton::About:
            return MessageId::MainAboutTooltip;
        default:
            return std::nullopt;
    }
}

std::optional<QStyle::StandardPixmap> iconOf(program::MainButton b) {
    switch (b) {
        case program::MainButton::Settings:
            return QStyle::SP_FileDialogDetailedView;
        case program::MainButton::Help:
            return QStyle::SP_DialogHelpButton;
        case program::MainButton::About:
            return QStyle::SP_MessageBoxInformation;
        default:
            return std::nullopt;
    }
}

const QColor kPlainFace(236, 233, 216);
const QColor kPlainText(0, 0, 0);
const QColor kHighlightFace(49, 106, 197);
const QColor kHighlightText(255, 255, 255);
const QColor kFrame(128, 128, 128);

}  // namespace

QString objectNameOf(program::MainButton which) {
    switch (which) {
        case program::MainButton::Radicals:
            return QStringLiteral("radicalButton");
        case program::MainButton::StrokeOrder:
            return QStringLiteral("strokeOrderButton");
        case program::MainButton::Pinyin:
            return QStringLiteral("pinyinButton");
        case program::MainButton::CustomArea:
            return QStringLiteral("customAreaButton");
        case program::MainButton::Symbols:
            return QStringLiteral("symbolButton");
        case program::MainButton::StrokeRegistration:
            return QStringLiteral("strokeRegistrationButton");
        case program::MainButton::RadicalRegistration:
            return QStringLiteral("radicalRegistrationButton");
        case program::MainButton::Settings:
            return QStringLiteral("settingsButton");
        case program::MainButton::Help:
            return QStringLiteral("helpButton");
        case program::MainButton::About:
            return QStringLiteral("aboutButton");
    }
    return {};
}

PageButton::PageButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {
    setFocusPolicy(Qt::TabFocus);
}

void PageButton::setHighlighted(bool on) {
    if (highlighted_ == on) return;
    highlighted_ = on;
    update();
}

QSize PageButton::sizeHint() const {
    const QFontMetrics fm = fontMetrics();
    int width = fm.horizontalAdvance(text()) + 16;
    if (!icon().isNull()) width += iconSize().width() + 4;
    return {std::max(width, 60), std::max(fm.height() + 8, 23)};
}

void PageButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const bool down = isDown();
    QColor face = highlighted_ ? kHighlightFace : kPlainFace;
    if (down) face = face.darker(115);
    QRect r = rect().adjusted(0, 0, -1, -1);
    p.fillRect(r, face);
    p.setPen(kFrame);
    p.drawRect(r);
    if (hasFocus()) {
        p.setPen(QPen(highlighted_ ? kHighlightText : kPlainText, 1, Qt::DotLine));
        p.drawRect(r.adjusted(2, 2, -2, -2));
    }
    QRect content = r.adjusted(4, 0, -4, 0);
    if (down) content.translate(1, 1);
    const QFontMetrics fm = fontMetrics();
    const int textWidth = fm.horizontalAdvance(text());
    const int iconWidth = icon().isNull() ? 0 : iconSize().width() + 4;
    int x = content.left() + std::max(0, (content.width() - textWidth - iconWidth) / 2);
    if (iconWidth > 0) {
        const QSize is = iconSize();
        icon().paint(&p, QRect(x, content.center().y() - is.height() / 2, is.width(), is.height()));
        x += iconWidth;
    }
    p.setPen(highlighted_ ? kHighlightText : kPlainText);
    p.drawText(QRect(x, content.top(), content.right() - x + 1, content.height()), Qt::AlignVCenter | Qt::AlignLeft,
               text());
}

PageButtonRow::PageButtonRow(const tesvik::program::MainWindowLayout& layout, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("pageButtonRow"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    const bool symbolPageHosted =
        std::find(layout.pages.begin(), layout.pages.end(), tesvik::program::MainPage::Symbol) != layout.pages.end();
    for (program::MainButton which : layout.buttons) {
        auto* b = new PageButton(text(captionOf(which)), this);
        b->setObjectName(objectNameOf(which));
        b->setAccessibleName(b->text());
        if (auto tip = tooltipOf(which, symbolPageHosted)) b->setToolTip(text(*tip));
        if (auto icon = iconOf(which)) {
            b->setIcon(style()->standardIcon(*icon));
            b->setIconSize(QSize(16, 16));
        }
        const bool visible = std::find(layout.visible.begin(), layout.visible.end(), which) != layout.visible.end();
        b->setVisible(visible);
        connect(b, &QPushButton::clicked, this, [this, which] { emit buttonClicked(which); });
        row->addWidget(b);
        entries_.push_back({which, b});
    }
    row->addStretch(1);
}

PageButton* PageButtonRow::button(program::MainButton which) const {
    for (const Entry& e : entries_) {
        if (e.which == which) return e.button;
    }
    return nullptr;
}

void PageButtonRow::highlight(std::optional<program::MainButton> which) {
    for (const Entry& e : entries_) e.button->setHighlighted(which && e.which == *which);
}

std::optional<program::MainButton> PageButtonRow::highlighted() const {
    for (const Entry& e : entries_) {
        if (e.button->isHighlighted()) return e.which;
    }
    return std::nullopt;
}

}  // namespace tesvik::ui
