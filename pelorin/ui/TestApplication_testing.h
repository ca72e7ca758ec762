#pragma once
// The one QApplication of a widget test program, on Qt's offscreen platform
// unless QT_QPA_PLATFORM chooses another.
#include <QApplication>

#include <cstdlib>

namespace pelorin::ui::testing {

inline QApplication& testApplication() {
    static int argc = 1;
    static char name[] = "pelorin-ui-test";
    static char* argv[] = {name, nullptr};
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Never destroyed: Qt's own globals are gone before a static would be.
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

template <class T>
T* child(const QObject& parent, const char* name) {
    T* found = parent.findChild<T*>(QLatin1String(name));
    if (!found) std::abort();
    return found;
}

}  // namespace pelorin::ui::testing
