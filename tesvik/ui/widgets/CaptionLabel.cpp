#include "tesvik/ui/widgets/CaptionLabel.h"

#include "tesvik/ui/widgets/UiText.h"

#include <QLabel>

namespace tesvik::ui {

QLabel* captionFor(tesvik::MessageId caption, QWidget* control) {
    auto* label = new QLabel(uiText(caption));
    label->setBuddy(control);
    control->setAccessibleName(label->text());
    return label;
}

}  // namespace tesvik::ui
