#include "platform/ClipboardTool.h"

#include <sys/wait.h>

#include <csignal>

#include <cstdio>

namespace platform {

lumenar::Status<std::string> copyWithClipboardTool(const std::string& utf8, SessionKind session) {
    using S = lumenar::Status<std::string>;
    const char* command = nullptr;
    switch (session) {
        case SessionKind::Wayland:
            command = "wl-copy";
            break;
        case SessionKind::X11:
            command = "xclip -selection clipboard";
            break;
        case SessionKind::None:
            return S::failure("no graphical session");
    }
    // A tool that is missing ends before reading: the write must not end
    // this process.
    void (*previous)(int) = std::signal(SIGPIPE, SIG_IGN);
    std::FILE* tool = popen((std::string(command) + " 2>/dev/null").c_str(), "w");
    int status = -1;
    if (tool != nullptr) {
        std::fwrite(utf8.data(), 1, utf8.size(), tool);
        status = pclose(tool);
    }
    std::signal(SIGPIPE, previous);
    if (status == -1 || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return S::failure(std::string(command) + " failed (is it installed?)");
    return {};
}

}  // namespace platform
