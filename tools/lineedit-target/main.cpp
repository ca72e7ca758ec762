// lineedit-target: one QLineEdit in a window with a given title.
//
//   lineedit-target --title TITLE [--output FILE] [--live]
//
// When the program ends (window closed or SIGTERM/SIGINT) it writes the line
// edit's text as UTF-8, without a line end, to FILE or to standard output.
// With --live (needs --output) FILE is also rewritten after every change, so
// that a test can poll it while the window stays open.
#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QLineEdit>
#include <QSaveFile>
#include <QSocketNotifier>

#include <sys/socket.h>
#include <unistd.h>
#include <csignal>
#include <cstdio>

namespace {

int signalPipe[2] = {-1, -1};

void onTerminationSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
}

bool installTerminationHandlers() {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0) return false;
    struct sigaction action {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    return ::sigaction(SIGTERM, &action, nullptr) == 0 && ::sigaction(SIGINT, &action, nullptr) == 0;
}

bool writeWhole(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(bytes);
    return file.commit();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription("One line edit; prints its text as UTF-8 when it ends.");
    parser.addHelpOption();
    const QCommandLineOption titleOption("title", "Window title.", "title", "lineedit-target");
    const QCommandLineOption outputOption("output", "Write the text to this file instead of standard output.", "file");
    const QCommandLineOption liveOption("live", "Also rewrite the output file after every change.");
    parser.addOptions({titleOption, outputOption, liveOption});
    parser.process(app);
    const QString output = parser.value(outputOption);
    if (parser.isSet(liveOption) && output.isEmpty()) {
        std::fprintf(stderr, "lineedit-target: --live needs --output\n");
        return 2;
    }
    if (!installTerminationHandlers()) {
        std::perror("lineedit-target: signal handlers");
        return 2;
    }

    QSocketNotifier signalNotifier(signalPipe[0], QSocketNotifier::Read);
    QObject::connect(&signalNotifier, &QSocketNotifier::activated, &app, [&] {
        char byte = 0;
        [[maybe_unused]] const auto got = ::read(signalPipe[0], &byte, 1);
        QApplication::quit();
    });

    QLineEdit edit;
    edit.setObjectName("targetEdit");
    edit.setWindowTitle(parser.value(titleOption));
    edit.setMinimumWidth(360);
    QFont font = edit.font();
    font.setPointSize(16);
    edit.setFont(font);
    if (parser.isSet(liveOption)) {
        writeWhole(output, {});
        QObject::connect(&edit, &QLineEdit::textChanged, &app,
                         [&](const QString& text) { writeWhole(output, text.toUtf8()); });
    }
    edit.show();

    const int status = app.exec();
    const QByteArray text = edit.text().toUtf8();
    if (output.isEmpty()) {
        std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), stdout);
        std::fflush(stdout);
    } else if (!writeWhole(output, text)) {
        std::fprintf(stderr, "lineedit-target: cannot write %s\n", qPrintable(output));
        return 1;
    }
    return status;
}
