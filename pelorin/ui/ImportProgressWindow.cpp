#include "pelorin/ui/ImportProgressWindow.h"

#include "pelorin/ui/UiTexts.h"

#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace pelorin::ui {

ImportProgressWindow::ImportProgressWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("importProgress"));
    setWindowTitle(qtext(text::kProgressTitle));
    bar_ = new QProgressBar(this);
    bar_->setObjectName(QStringLiteral("progressBar"));
    bar_->setRange(0, 100);
    bar_->setValue(0);
    bar_->setMinimumWidth(360);
    cancel_ = new QPushButton(qtext(text::kCancel), this);
    cancel_->setObjectName(QStringLiteral("cancelButton"));
    connect(cancel_, &QPushButton::clicked, this, &ImportProgressWindow::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bar_);
    layout->addLayout(buttons);
}

void ImportProgressWindow::setRange(int steps) {
    bar_->setRange(0, std::max(steps, 1));
    bar_->setValue(0);
}

void ImportProgressWindow::setPosition(int position) { bar_->setValue(std::min(position, bar_->maximum())); }

int ImportProgressWindow::position() const { return bar_->value(); }

void ImportProgressWindow::reject() {
    cancelled_ = true;
    cancel_->setEnabled(false);
}

}  // namespace pelorin::ui
