// Tesvik: the lookup-and-input window. One copy runs per user; it ends only
// through the tray menu's "退出" (or SIGTERM/SIGINT).
#include "SignalQuit.h"

#include "common/Version.h"
#include "platform/FileRegistryStore.h"
#include "platform/InstanceLock.h"
#include "platform/MemoryRegistryStore.h"
#include "platform/ProgramPath.h"
#include "platform/XdgAutostart.h"
#include "platform/inputmethod/DBusInputMethodAddon.h"
#include "platform/x11/X11Desktop.h"
#include "platform/x11/X11HotKey.h"
#include "tesvik/messages/Messages.h"
#include "tesvik/program/Autostart.h"
#include "tesvik/program/ProfileRegistry.h"
#include "tesvik/program/SettingsLoad.h"
#include "tesvik/program/StartupChecks.h"
#include "tesvik/program/TesvikDirectories.h"
#include "tesvik/ui/mainwindow/MainWindow.h"
#include "tesvik/ui/widgets/UiText.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QGuiApplication>
#include <QMessageBox>

#include <cstdio>
#include <memory>
#include <optional>
#include <string_view>

namespace {

void informAlone(const QString& message) {
    QMessageBox::information(nullptr, QGuiApplication::applicationDisplayName(), message);
}

// --data-dir and --user-dir replace the data and the user directory.
struct Options {
    QCommandLineOption dataDir{QStringLiteral("data-dir"), QStringLiteral("Directory of the shipped data files."),
                               QStringLiteral("dir")};
    QCommandLineOption userDir{QStringLiteral("user-dir"), QStringLiteral("Directory of the user's own index files."),
                               QStringLiteral("dir")};

    void addTo(QCommandLineParser& parser) const {
        parser.setApplicationDescription(
            QStringLiteral("Look up rare Chinese characters and type them into other programs."));
        parser.addOption(dataDir);
        parser.addOption(userDir);
        parser.addHelpOption();
        parser.addVersionOption();
    }
};

void nameApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("tesvik"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(lumenar::kVersion));
}

// --help and --version answer without opening a display; Qt's parser prints
// the text and ends the program with status 0.
void answerHelpOrVersion(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h" || arg == "--help-all" || arg == "--version" || arg == "-v") {
            QCoreApplication core(argc, argv);
            nameApplication();
            QCommandLineParser parser;
            Options().addTo(parser);
            parser.process(core);
            return;
        }
    }
}

std::optional<tesvik::program::DirectoryOverrides> parseOverrides(const QApplication& app) {
    QCommandLineParser parser;
    const Options options;
    options.addTo(parser);
    if (!parser.parse(app.arguments())) {
        std::fprintf(stderr, "tesvik: %s\n", qPrintable(parser.errorText()));
        return std::nullopt;
    }
    tesvik::program::DirectoryOverrides overrides;
    const auto absolute = [](const QString& dir) {
        return std::filesystem::absolute(std::filesystem::path(dir.toStdString()));
    };
    if (parser.isSet(options.dataDir)) overrides.dataDir = absolute(parser.value(options.dataDir));
    if (parser.isSet(options.userDir)) overrides.userDir = absolute(parser.value(options.userDir));
    return overrides;
}

}  // namespace

int main(int argc, char** argv) {
    answerHelpOrVersion(argc, argv);
    QApplication app(argc, argv);
    nameApplication();
    // No display name: Qt would append it to every window title, and other
    // programs find the main window by its exact caption.
    QApplication::setQuitOnLastWindowClosed(false);

    const auto overrides = parseOverrides(app);
    if (!overrides) return 2;

    const platform::Environment env = platform::Environment::fromProcess();
    const std::filesystem::path programPath =
        platform::runningProgramPath().value_or(std::filesystem::absolute(std::filesystem::path(argv[0])));
    const std::string application = tesvik::program::applicationName(programPath);

    auto lock = platform::InstanceLock::acquire(application, env);
    if (!lock) {
        informAlone(tesvik::ui::uiText(tesvik::MessageId::AlreadyRunning));
        return 0;
    }
    if (!lock->problem().empty())
        std::fprintf(stderr, "tesvik: no single-instance lock: %s\n", lock->problem().c_str());

    const tesvik::program::TesvikDirectories dirs =
        tesvik::program::resolveDirectories({programPath, env, tesvik::program::defaultInstallPrefix(), *overrides});
    std::error_code ec;
    std::filesystem::create_directories(dirs.settings, ec);

    std::vector<tesvik::Message> notices;
    std::unique_ptr<platform::RegistryStore> registry;
    if (auto opened = platform::openUserRegistryStore(env)) {
        registry = std::move(*opened);
    } else {
        const std::string problem = opened.error().describe();
        std::fprintf(stderr, "tesvik: %s\n", problem.c_str());
        notices.push_back(tesvik::message(tesvik::MessageId::RegistryStoreDamaged, {}, opened.error().file.string()));
        registry = std::make_unique<platform::MemoryRegistryStore>();
    }
    tesvik::program::SessionAutostart autostart(platform::xdgAutostartFile(env, tesvik::program::kAutostartEntryId),
                                                programPath);

    tesvik::program::LoadedSettings loaded =
        tesvik::program::loadSettings({tesvik::program::settingsFile(dirs), programPath, *registry, autostart});
    for (const std::string& problem : loaded.fileProblems) std::fprintf(stderr, "tesvik: %s\n", problem.c_str());
    for (tesvik::Message& m : tesvik::program::startupNotices(loaded.notices)) notices.push_back(std::move(m));
    for (tesvik::Message& m : tesvik::program::startupWarnings(dirs.data)) notices.push_back(std::move(m));

    // Typing into other programs and the global hot key need an X display.
    std::unique_ptr<platform::TargetDesktop> desktop;
    std::unique_ptr<platform::GlobalHotKey> hotKey;
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        desktop = platform::openX11Desktop();
        hotKey = platform::openX11HotKey();
    }

    // The input method's addon, on X11 and Wayland alike; without a session
    // bus there is none.
    std::unique_ptr<platform::InputMethodAddon> addon;
    if (auto connected = platform::DBusInputMethodAddon::connect()) {
        addon = std::move(*connected);
    } else {
        std::fprintf(stderr, "tesvik: %s\n", connected.error().c_str());
    }

    tesvik::ui::MainWindowServices services;
    services.directories = dirs;
    services.programPath = programPath;
    services.application = application;
    services.registry = registry.get();
    services.autostart = &autostart;
    services.desktop = desktop.get();
    services.hotKey = hotKey.get();
    services.addon = addon.get();

    int status = 0;
    {
        tesvik::ui::MainWindow window(loaded.settings, services);
        QObject::connect(&window, &tesvik::ui::MainWindow::exitRequested, &app, &QCoreApplication::quit,
                         Qt::QueuedConnection);
        tesvik::app::SignalQuit signalQuit([&window] { window.exitProgram(); });
        window.startUp(loaded.hideAtStart, notices);
        if (!window.exiting()) status = QApplication::exec();
    }
    if (desktop) desktop->shutdown();
    return status;
}
