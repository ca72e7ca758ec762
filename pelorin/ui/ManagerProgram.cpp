#include "pelorin/ui/ManagerProgram.h"

#include "pelorin/cli/PelorinCommands.h"
#include "pelorin/ui/FontManagerWindow.h"
#include "pelorin/ui/FontconfigWatch.h"
#include "pelorin/ui/HelpDocumentPath.h"
#include "pelorin/ui/SessionBackend.h"
#include "platform/FontconfigEudcRules.h"
#include "platform/ProgramPath.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdio>

namespace pelorin::ui {
namespace {

// How long the font folders must be quiet before the list is built again.
constexpr int kQuietMs = 400;

// Qt's own texts (file dialogs, standard buttons) in the program's language.
void translateQt(QApplication& app, QTranslator& translator) {
    const char* name = nullptr;
    switch (currentLanguage()) {
        case Language::SimplifiedChinese:
            name = "qtbase_zh_CN";
            break;
        case Language::TraditionalChinese:
            name = "qtbase_zh_TW";
            break;
        case Language::English:
            return;
    }
    if (translator.load(QLatin1String(name), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&translator);
}

}  // namespace

int runManager(cli::CliSession& session) {
    // Qt ends the process without a word of its own when there is no display.
    const platform::Environment& env = session.env();
    const auto set = [&env](const char* name) { return !env.get(name).value_or("").empty(); };
    if (!set("DISPLAY") && !set("WAYLAND_DISPLAY") && !set("QT_QPA_PLATFORM")) {
        std::fprintf(stderr, "pelorin: no display to show the window on (DISPLAY and WAYLAND_DISPLAY are unset)\n");
        return cli::kExitFailure;
    }
    static int argc = 1;
    static char name[] = "pelorin";
    static char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("pelorin"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("pelorin")));
    QTranslator translator;
    translateQt(app, translator);

    WindowServices services;
    services.openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    if (const auto program = platform::runningProgramPath())
        if (const auto help = pelorinHelpDocument(*program))
            services.helpDocument = QUrl::fromLocalFile(QString::fromStdString(help->string()));
    services.currentDirectory = QDir::currentPath();

    SessionBackend backend(session);
    FontManagerWindow window(backend, services);
    // The user's fonts folder and the folder of the EUDC link rules count even
    // before fontconfig has read them.
    const std::filesystem::path rulesFolder = platform::userFontconfigRulesFolder(session.env());
    std::error_code ignored;
    std::filesystem::create_directories(session.fontsFolder(), ignored);
    std::filesystem::create_directories(rulesFolder, ignored);
    FontconfigWatch watch({session.fontsFolder(), rulesFolder}, kQuietMs);
    QObject::connect(&watch, &FontconfigWatch::fontsChanged, &window, [&window] { window.rebuildList(false); });
    window.show();
    return app.exec();
}

}  // namespace pelorin::ui
