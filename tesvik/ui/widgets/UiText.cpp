#include "tesvik/ui/widgets/UiText.h"

namespace tesvik::ui {

QString uiText(tesvik::MessageId id) {
    const std::string_view text = tesvik::messageText(id);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString uiText(const tesvik::Message& message) { return QString::fromStdString(message.text); }

QString inputErrorCaption() { return uiText(tesvik::MessageId::InputErrorCaption); }

}  // namespace tesvik::ui
