#pragma once
// The row of page and command buttons above the pages: colour buttons drawn
// by the program, the button of the page in view highlighted.
#include "tesvik/program/MainWindowLayout.h"

#include <QPushButton>
#include <QWidget>

#include <optional>
#include <vector>

namespace tesvik::ui {

class PageButton : public QPushButton {
public:
    explicit PageButton(const QString& text, QWidget* parent = nullptr);

    void setHighlighted(bool on);
    bool isHighlighted() const { return highlighted_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool highlighted_ = false;
};

class PageButtonRow : public QWidget {
    Q_OBJECT
public:
    // All of the layout's buttons are made; those it does not show stay hidden.
    explicit PageButtonRow(const tesvik::program::MainWindowLayout& layout, QWidget* parent = nullptr);

    PageButton* button(tesvik::program::MainButton which) const;
    // Highlights the one button (none: every button plain).
    void highlight(std::optional<tesvik::program::MainButton> which);
    std::optional<tesvik::program::MainButton> highlighted() const;

signals:
    void buttonClicked(tesvik::program::MainButton which);

private:
    struct Entry {
        tesvik::program::MainButton which;
        PageButton* button;
    };
    std::vector<Entry> entries_;
};

// The objectName of a button, e.g. "radicalButton".
QString objectNameOf(tesvik::program::MainButton which);

}  // namespace tesvik::ui
