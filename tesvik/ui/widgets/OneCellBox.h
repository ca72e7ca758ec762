#pragma once
// One large character beside a grid: the current character or a radical.
#include "tesvik/program/Settings.h"

#include <QFrame>

#include <cstdint>

namespace tesvik::ui {

enum class BoxColour { CodeSpace, Radicals, Plain };

class OneCellBox : public QFrame {
    Q_OBJECT
public:
    explicit OneCellBox(BoxColour colour, QWidget* parent = nullptr);
    void setValue(std::uint32_t value);  // 0: empty
    std::uint32_t value() const;
    void setAppearance(const tesvik::program::CodeSpaceColors& colours, const QString& fontFamily);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    BoxColour colour_;
    std::uint32_t value_ = 0;
    tesvik::program::CodeSpaceColors colours_;
    QString fontFamily_;
};

}  // namespace tesvik::ui
