#include "tesvik/ui/widgets/RadicalSpaceGuard.h"

#include <QKeyEvent>

namespace tesvik::ui {

void RadicalSpaceGuard::guard(QObject* field) { field->installEventFilter(new RadicalSpaceGuard(field)); }

bool RadicalSpaceGuard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) return true;
    return QObject::eventFilter(watched, event);
}

}  // namespace tesvik::ui
