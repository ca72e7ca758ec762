#pragma once
// The one QApplication of a widget test program. Tests run on Qt's offscreen
// platform unless QT_QPA_PLATFORM chooses another.
#include <QApplication>
#include <cstdlib>

namespace tesvik::ui::testing {

inline QApplication& testApplication() {
    static int argc = 1;
    static char name[] = "tesvik-ui-test";
    static char* argv[] = {name, nullptr};
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Never destroyed: at exit Qt's own globals are gone before a static
    // QApplication would be, and its destructor would crash.
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

}  // namespace tesvik::ui::testing
