#include "tesvik/ui/mainwindow/PageContainer.h"

#include "tesvik/program/MainWindowLayout.h"

#include <QApplication>
#include <QKeyEvent>
#include <QStackedLayout>

namespace tesvik::ui {

PageContainer::PageContainer(QWidget* parent) : QWidget(parent), stack_(new QStackedLayout(this)) {
    setObjectName(QStringLiteral("pageContainer"));
    stack_->setContentsMargins(0, 3, 0, 0);
    // The keys must reach the container before the focused control, which
    // may use Page Up and Page Down itself.
    qApp->installEventFilter(this);
}

int PageContainer::addPage(QWidget* page, FirstFocus firstFocus) {
    pages_.push_back({page, std::move(firstFocus)});
    stack_->addWidget(page);
    if (pages_.size() == 1) stack_->setCurrentIndex(0);
    return count() - 1;
}

QWidget* PageContainer::page(int index) const {
    return index >= 0 && index < count() ? pages_[static_cast<std::size_t>(index)].widget : nullptr;
}

void PageContainer::showPage(int index) {
    if (pages_.empty()) return;
    current_ = tesvik::program::pageToShow(index, count());
    const Page& p = pages_[static_cast<std::size_t>(current_)];
    stack_->setCurrentWidget(p.widget);
    QWidget* focus = p.firstFocus ? p.firstFocus() : nullptr;
    (focus ? focus : p.widget)->setFocus(Qt::OtherFocusReason);
    emit pageShown(current_);
}

void PageContainer::showNextPage() { showPage(tesvik::program::cycledPage(current_, count(), true)); }

void PageContainer::showPreviousPage() { showPage(tesvik::program::cycledPage(current_, count(), false)); }

bool PageContainer::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    auto* target = static_cast<QWidget*>(watched);
    if (target != this && !isAncestorOf(target)) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::ControlModifier) return false;
    if (key->key() == Qt::Key_PageDown) {
        showNextPage();
        return true;
    }
    if (key->key() == Qt::Key_PageUp) {
        showPreviousPage();
        return true;
    }
    return false;
}

}  // namespace tesvik::ui
