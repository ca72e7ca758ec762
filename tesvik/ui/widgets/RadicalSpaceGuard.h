#pragma once
// Keeps Space out of a page's text fields: on the radical pages Space outputs
// or confirms, and must not then also put a space into the field (which the
// field would refuse with a message).
#include <QObject>

namespace tesvik::ui {

class RadicalSpaceGuard : public QObject {
public:
    using QObject::QObject;
    // Watches field for its whole life.
    static void guard(QObject* field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace tesvik::ui
