#pragma once
// The caption in front of a control: its mnemonic focuses the control, and
// its text is the control's accessible name.
#include "tesvik/messages/Messages.h"

class QLabel;
class QWidget;

namespace tesvik::ui {

QLabel* captionFor(tesvik::MessageId caption, QWidget* control);

}  // namespace tesvik::ui
