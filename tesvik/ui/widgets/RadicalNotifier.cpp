#include "tesvik/ui/widgets/RadicalNotifier.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

namespace tesvik::ui {
namespace {

QString textOf(const tesvik::Message& message) { return QString::fromUtf8(message.text); }

class MessageBoxes : public RadicalNotifier {
public:
    explicit MessageBoxes(QWidget* parent) : parent_(parent) {}

    void show(const tesvik::Message& message, RadicalNoticeIcon icon, const QString& caption) override {
        const QString title = caption.isEmpty() ? QApplication::applicationDisplayName() : caption;
        const auto boxIcon = icon == RadicalNoticeIcon::Information ? QMessageBox::Information : QMessageBox::NoIcon;
        QMessageBox box(boxIcon, title, textOf(message), QMessageBox::Ok, parent_);
        box.exec();
    }

    bool ask(const tesvik::Message& question, const tesvik::Message& caption) override {
        QMessageBox box(QMessageBox::Question, textOf(caption), textOf(question), QMessageBox::Yes | QMessageBox::No,
                        parent_);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes;
    }

private:
    QPointer<QWidget> parent_;
};

}  // namespace

std::unique_ptr<RadicalNotifier> radicalMessageBoxes(QWidget* parent) { return std::make_unique<MessageBoxes>(parent); }

QString radicalInputErrorCaption() {
    return QString::fromUtf8(tesvik::messageText(tesvik::MessageId::InputErrorCaption));
}

}  // namespace tesvik::ui
