#pragma once
// The program's texts (the string table and its messages) as Qt text.
#include <QString>

#include "tesvik/messages/Messages.h"

namespace tesvik::ui {

QString uiText(tesvik::MessageId id);
QString uiText(const tesvik::Message& message);

// The caption of input-error messages, "LumenarTesvik向你报告：".
QString inputErrorCaption();

}  // namespace tesvik::ui
