#pragma once
// The line under a grid: "属于Unicode:" [block] "字符代码:" [code] "来自:" [format list].
#include "tesvik/chars/CodeSpace.h"
#include "tesvik/chars/CodeText.h"

#include "platform/GlyphCoverage.h"

#include <QWidget>

#include <cstdint>
#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;

namespace tesvik::ui {

class CodeStatusLine : public QWidget {
    Q_OBJECT
public:
    explicit CodeStatusLine(tesvik::chars::BlockNamePage page = tesvik::chars::BlockNamePage::Other,
                            QWidget* parent = nullptr);
    // The grid's selection changed to `value` (none: no selection).
    void showSelection(std::optional<std::uint32_t> value);
    tesvik::chars::CodeFormat format() const;
    QString blockText() const;
    QString codeText() const;
    void setBlockFieldVisible(bool visible);  // the symbol page has no block field
    void clear();                             // both fields empty
    // The fonts of the grid: the line then names the font that draws the
    // selected character.
    void setGlyphCoverage(std::shared_ptr<const platform::GlyphCoverage> coverage);
    QString drawingFontText() const;

private:
    void switchFormat(int index);
    void showDrawingFont();

    tesvik::chars::BlockNamePage page_;
    QWidget* blockLabel_ = nullptr;
    QLineEdit* block_;
    QLineEdit* code_;
    QComboBox* formats_;
    QLabel* drawingFont_;
    std::shared_ptr<const platform::GlyphCoverage> coverage_;
    std::optional<std::uint32_t> shown_;
};

}  // namespace tesvik::ui
