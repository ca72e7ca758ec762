#pragma once
// The line under a grid: "属于Unicode:" [block] "字符代码:" [code] "来自:" [format list].
#include "tesvik/chars/CodeSpace.h"
#include "tesvik/chars/CodeText.h"

#include <QWidget>

#include <cstdint>
#include <optional>

class QComboBox;
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

private:
    void switchFormat(int index);

    tesvik::chars::BlockNamePage page_;
    QWidget* blockLabel_ = nullptr;
    QLineEdit* block_;
    QLineEdit* code_;
    QComboBox* formats_;
};

}  // namespace tesvik::ui
