#include "tesvik/ui/widgets/CodeStatusLine.h"

#include "tesvik/chars/PackedChar.h"
#include "tesvik/chars/StatusLine.h"
#include "tesvik/messages/Messages.h"
#include "tesvik/ui/widgets/UiText.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace tesvik::ui {

namespace {
QLabel* labelFor(tesvik::MessageId id, QWidget* field, QWidget* parent) {
    auto* label = new QLabel(uiText(id), parent);
    label->setBuddy(field);
    return label;
}
// The width a read-only field needs to show `text` whole: the text, the
// field's text margins and frame, and the line edit's own small margin.
int widthForText(const QLineEdit& field, const QString& text) {
    const QMargins margins = field.textMargins();
    constexpr int kFrameAndInnerMargin = 2 * (2 + 2);
    return field.fontMetrics().horizontalAdvance(text) + margins.left() + margins.right() + kFrameAndInnerMargin;
}

}  // namespace

CodeStatusLine::CodeStatusLine(tesvik::chars::BlockNamePage page, QWidget* parent)
    : QWidget(parent),
      page_(page),
      block_(new QLineEdit(this)),
      code_(new QLineEdit(this)),
      formats_(new QComboBox(this)),
      drawingFont_(new QLabel(this)) {
    drawingFont_->setObjectName("drawingFontLabel");
    // A long family name gives way to the fields (it stays whole in the tooltip).
    drawingFont_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    block_->setObjectName("blockField");
    block_->setReadOnly(true);
    block_->setMinimumWidth(widthForText(*block_, uiText(tesvik::MessageId::BlockCjkExtensionA)));
    code_->setObjectName("codeField");
    code_->setReadOnly(true);
    code_->setAlignment(Qt::AlignCenter);
    formats_->setObjectName("codeFormatList");
    formats_->addItem(uiText(tesvik::chars::codeFormatName(tesvik::chars::CodeFormat::Unicode)));
    formats_->addItem(uiText(tesvik::chars::codeFormatName(tesvik::chars::CodeFormat::Gb18030)));
    formats_->setCurrentIndex(static_cast<int>(tesvik::chars::CodeFormat::Unicode));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    blockLabel_ = labelFor(tesvik::MessageId::GridBlockLabel, block_, this);
    layout->addWidget(blockLabel_);
    layout->addWidget(block_, 3);
    layout->addWidget(labelFor(tesvik::MessageId::GridCodeLabel, code_, this));
    layout->addWidget(code_, 2);
    layout->addWidget(labelFor(tesvik::MessageId::GridCodeFormatLabel, formats_, this));
    layout->addWidget(formats_, 2);
    layout->addWidget(drawingFont_, 3);

    connect(formats_, &QComboBox::currentIndexChanged, this, &CodeStatusLine::switchFormat);
}

void CodeStatusLine::showSelection(std::optional<std::uint32_t> value) {
    const tesvik::chars::StatusLine current{blockText().toStdString(), codeText().toStdString()};
    const tesvik::chars::StatusLine next = tesvik::chars::statusLineAfterSelection(current, value, format(), page_);
    block_->setText(QString::fromStdString(next.blockName));
    code_->setText(QString::fromStdString(next.codeText));
    shown_ = value;
    showDrawingFont();
}

void CodeStatusLine::setGlyphCoverage(std::shared_ptr<const platform::GlyphCoverage> coverage) {
    coverage_ = std::move(coverage);
    showDrawingFont();
}

void CodeStatusLine::showDrawingFont() {
    if (!coverage_ || !shown_) {
        drawingFont_->clear();
        drawingFont_->setToolTip({});
        return;
    }
    const auto family = coverage_->drawingFamily(static_cast<char32_t>(tesvik::chars::codePointOf(*shown_)));
    drawingFont_->setText(
        family ? uiText(tesvik::MessageId::DrawingFontStatus).replace("%s", QString::fromStdString(*family))
               : uiText(tesvik::MessageId::NoDrawingFontStatus));
    drawingFont_->setToolTip(drawingFont_->text());
}

QString CodeStatusLine::drawingFontText() const { return drawingFont_->text(); }

tesvik::chars::CodeFormat CodeStatusLine::format() const {
    return formats_->currentIndex() == static_cast<int>(tesvik::chars::CodeFormat::Gb18030)
               ? tesvik::chars::CodeFormat::Gb18030
               : tesvik::chars::CodeFormat::Unicode;
}

QString CodeStatusLine::blockText() const { return block_->text(); }

QString CodeStatusLine::codeText() const { return code_->text(); }

void CodeStatusLine::clear() {
    block_->clear();
    code_->clear();
}

void CodeStatusLine::setBlockFieldVisible(bool visible) {
    blockLabel_->setVisible(visible);
    block_->setVisible(visible);
}

void CodeStatusLine::switchFormat(int) {
    const std::string shown = codeText().toStdString();
    if (shown.empty()) return;
    code_->setText(QString::fromStdString(tesvik::chars::switchCodeFormat(shown, format())));
}

}  // namespace tesvik::ui
