#pragma once
// The pages of the main window, one in view at a time. Ctrl+Page Down and
// Ctrl+Page Up, pressed in any control of a page, show the next and the
// previous page, wrapping at both ends.
#include <QWidget>

#include <functional>
#include <vector>

class QStackedLayout;

namespace tesvik::ui {

class PageContainer : public QWidget {
    Q_OBJECT
public:
    // The control that takes the focus when the page comes into view.
    using FirstFocus = std::function<QWidget*()>;

    explicit PageContainer(QWidget* parent = nullptr);

    // Adds a page at the end (hidden unless it is the first); returns its index.
    int addPage(QWidget* page, FirstFocus firstFocus);

    // Shows the page (an index outside the pages shows the first), gives its
    // first control the focus and reports pageShown.
    void showPage(int index);
    void showNextPage();
    void showPreviousPage();

    int currentIndex() const { return current_; }
    int count() const { return static_cast<int>(pages_.size()); }
    QWidget* page(int index) const;

signals:
    void pageShown(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Page {
        QWidget* widget;
        FirstFocus firstFocus;
    };

    QStackedLayout* stack_;
    std::vector<Page> pages_;
    int current_ = 0;
};

}  // namespace tesvik::ui
