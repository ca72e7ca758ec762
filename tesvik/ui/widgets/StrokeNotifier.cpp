#include "tesvik/ui/widgets/StrokeNotifier.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

namespace tesvik::ui {
namespace {

QMessageBox::Icon boxIcon(StrokeNotifier::Icon icon) {
    switch (icon) {
        case StrokeNotifier::Icon::Information:
            return QMessageBox::Information;
        case StrokeNotifier::Icon::Warning:
            return QMessageBox::Warning;
        case StrokeNotifier::Icon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

class MessageBoxNotifier : public StrokeNotifier {
public:
    explicit MessageBoxNotifier(QWidget* parent) : parent_(parent) {}

    void show(const tesvik::Message& message, StrokeNotifier::Icon icon, const QString& caption) override {
        const QString title = caption.isEmpty() ? QApplication::applicationDisplayName() : caption;
        QMessageBox box(boxIcon(icon), title, strokeText(message), QMessageBox::Ok, parent_);
        box.exec();
    }

    bool ask(const tesvik::Message& question, const tesvik::Message& caption) override {
        QMessageBox box(QMessageBox::Question, strokeText(caption), strokeText(question), QMessageBox::Yes | QMessageBox::No,
                        parent_);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes;
    }

private:
    QPointer<QWidget> parent_;
};

}  // namespace

std::unique_ptr<StrokeNotifier> strokeMessageBoxNotifier(QWidget* parent) {
    return std::make_unique<MessageBoxNotifier>(parent);
}

QString strokeText(tesvik::MessageId id) {
    const std::string_view text = tesvik::messageText(id);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString strokeText(const tesvik::Message& message) { return QString::fromUtf8(message.text); }

QString strokeInputErrorCaption() { return strokeText(tesvik::MessageId::InputErrorCaption); }

}  // namespace tesvik::ui
