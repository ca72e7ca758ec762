#pragma once
// For integration tests: a private X server (Xvfb on a display number it
// picks itself) with a window manager, and the child processes a test starts
// on it. Everything started here ends with the object.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <sys/wait.h>
#include <unistd.h>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace platform::testing {

inline pid_t spawnProcess(const std::vector<std::string>& argv, int keepDescriptor = -1) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::setpgid(0, 0);
        std::vector<char*> args;
        for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        for (int fd = 3; fd < 256; ++fd)
            if (fd != keepDescriptor) ::close(fd);
        ::execvp(args[0], args.data());
        ::_exit(127);
    }
    return pid;
}

inline void endProcess(pid_t pid) {
    if (pid <= 0) return;
    ::kill(-pid, SIGTERM);
    ::kill(pid, SIGTERM);
    for (int i = 0; i < 200; ++i) {
        if (::waitpid(pid, nullptr, WNOHANG) == pid) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ::kill(-pid, SIGKILL);
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
}

// Polls `condition` every 20 ms until it holds or `seconds` have passed.
template <class Condition>
bool waitFor(Condition condition, double seconds = 10) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

inline std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

class XvfbSession {
public:
    XvfbSession() {
        int fds[2];
        if (::pipe(fds) != 0) return;
        server_ = spawnProcess({"Xvfb", "-displayfd", std::to_string(fds[1]), "-noreset", "-nolisten", "tcp", "-screen",
                                "0", "1024x768x24"},
                               fds[1]);
        ::close(fds[1]);
        std::string number;
        char c;
        while (::read(fds[0], &c, 1) == 1 && c != '\n') number += c;
        ::close(fds[0]);
        if (number.empty()) return;
        display_ = ":" + number;
        ::setenv("DISPLAY", display_.c_str(), 1);
        connection_ = XOpenDisplay(display_.c_str());
        if (!connection_) return;
        windowManager_ = spawnProcess({"openbox", "--sm-disable"});
        waitFor([&] { return windowManagerRuns(); });
    }
    ~XvfbSession() {
        for (auto it = children_.rbegin(); it != children_.rend(); ++it) endProcess(*it);
        endProcess(windowManager_);
        if (connection_) XCloseDisplay(connection_);
        endProcess(server_);
    }
    XvfbSession(const XvfbSession&) = delete;
    XvfbSession& operator=(const XvfbSession&) = delete;

    bool ready() const { return connection_ && windowManagerRuns(); }
    const std::string& display() const { return display_; }
    // The test's own connection.
    Display* connection() const { return connection_; }

    pid_t start(const std::vector<std::string>& argv) {
        const pid_t pid = spawnProcess(argv);
        children_.push_back(pid);
        return pid;
    }
    void stop(pid_t pid) {
        endProcess(pid);
        std::erase(children_, pid);
    }

    Window activeWindow() const {
        const Atom active = XInternAtom(connection_, "_NET_ACTIVE_WINDOW", False);
        Atom type = None;
        int format = 0;
        unsigned long count = 0, remaining = 0;
        unsigned char* data = nullptr;
        Window window = None;
        if (XGetWindowProperty(connection_, DefaultRootWindow(connection_), active, 0, 1, False, XA_WINDOW, &type,
                               &format, &count, &remaining, &data) == Success &&
            data && count == 1)
            window = static_cast<Window>(*reinterpret_cast<unsigned long*>(data));
        if (data) XFree(data);
        return window;
    }

    // The server's keyboard description as xkbcomp writes it.
    std::string keymapDump(const std::filesystem::path& file) const {
        const std::string command = "xkbcomp -xkb " + display_ + " " + file.string() + " 2>/dev/null";
        if (std::system(command.c_str()) != 0) return {};
        return readFile(file);
    }

private:
    bool windowManagerRuns() const {
        const Atom check = XInternAtom(connection_, "_NET_SUPPORTING_WM_CHECK", False);
        Atom type = None;
        int format = 0;
        unsigned long count = 0, remaining = 0;
        unsigned char* data = nullptr;
        const bool found = XGetWindowProperty(connection_, DefaultRootWindow(connection_), check, 0, 1, False,
                                              XA_WINDOW, &type, &format, &count, &remaining, &data) == Success &&
                           count == 1;
        if (data) XFree(data);
        return found;
    }

    pid_t server_ = -1;
    pid_t windowManager_ = -1;
    std::string display_;
    Display* connection_ = nullptr;
    std::vector<pid_t> children_;
};

}  // namespace platform::testing
