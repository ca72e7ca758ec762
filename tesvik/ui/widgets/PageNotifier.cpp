#include "tesvik/ui/widgets/PageNotifier.h"
#include "tesvik/ui/widgets/UiText.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

namespace tesvik::ui {
namespace {

QMessageBox::Icon boxIcon(PageNotifier::Icon icon) {
    switch (icon) {
        case PageNotifier::Icon::Information:
            return QMessageBox::Information;
        case PageNotifier::Icon::Warning:
            return QMessageBox::Warning;
        case PageNotifier::Icon::Question:
            return QMessageBox::Question;
        case PageNotifier::Icon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

class MessageBoxNotifier : public PageNotifier {
public:
    explicit MessageBoxNotifier(QWidget* parent) : parent_(parent) {}

    void show(const tesvik::Message& message, Icon icon, const QString& caption) override {
        const QString title = caption.isEmpty() ? QApplication::applicationDisplayName() : caption;
        QMessageBox box(boxIcon(icon), title, uiText(message), QMessageBox::Ok, parent_);
        box.exec();
    }

    bool ask(const tesvik::Message& question, const tesvik::Message& caption) override {
        QMessageBox box(QMessageBox::Question, uiText(caption), uiText(question), QMessageBox::Yes | QMessageBox::No,
                        parent_);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes;
    }

private:
    QPointer<QWidget> parent_;
};

}  // namespace

std::unique_ptr<PageNotifier> messageBoxNotifier(QWidget* parent) {
    return std::make_unique<MessageBoxNotifier>(parent);
}

}  // namespace tesvik::ui
