#pragma once
// What a page or dialog test sets up around its subject: default settings, a
// scratch user folder, the shipped data and a recording output.
#include <QApplication>
#include <QWidget>
#include <filesystem>

#include "common/testing/ScratchDirectory.h"
#include "tesvik/program/RecordingOutput_testing.h"
#include "tesvik/program/Settings.h"
#include "tesvik/ui/widgets/PageContext.h"
#include "tesvik/ui/widgets/TestApplication_testing.h"

namespace tesvik::ui::testing {

struct PageTestBed {
    PageTestBed() { testApplication(); }

    // The shipped data unless data names another folder.
    PageContext pageContext(const std::filesystem::path& data = LUMENAR_DATA_DIR) {
        PageContext made;
        made.settings = &settings;
        made.directories.data = data;
        made.directories.user = user.path();
        made.output = &output;
        return made;
    }

    tesvik::program::Settings settings;
    lumenar::testing::ScratchDirectory user;
    tesvik::program::testing::RecordingOutput output;
};

// Shows widget as the active window, as a page is when the user types.
inline void showActive(QWidget* widget) {
    widget->show();
    widget->activateWindow();
    QApplication::setActiveWindow(widget);
    QApplication::processEvents();
}

}  // namespace tesvik::ui::testing
