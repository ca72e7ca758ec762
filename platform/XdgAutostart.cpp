#include "platform/XdgAutostart.h"

#include "platform/FileReading.h"
#include "platform/FileReplacement.h"

#include <optional>
#include <string>

namespace platform {

namespace {

constexpr std::string_view kGroup = "[Desktop Entry]";

// The value of `key` in the [Desktop Entry] group, as written (escapes kept).
std::optional<std::string> entryValue(std::string_view text, std::string_view key) {
    bool inGroup = false;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!line.empty() && line.front() == '[') {
            inGroup = line == kGroup;
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!inGroup || equals == std::string_view::npos) continue;
        std::string_view name = line.substr(0, equals);
        while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
        if (name != key) continue;
        std::string_view value = line.substr(equals + 1);
        while (!value.empty() && value.front() == ' ') value.remove_prefix(1);
        return std::string(value);
    }
    return std::nullopt;
}

// A string value with the desktop file's escapes (\s \n \t \r \\) undone.
std::string unescapeString(std::string_view value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        const char c = value[++i];
        out += c == 's' ? ' ' : c == 'n' ? '\n' : c == 't' ? '\t' : c == 'r' ? '\r' : c;
    }
    return out;
}

// The program an Exec command runs: its first argument, quotes and
// escapes undone, "%%" read as "%".
std::string execProgram(std::string_view command) {
    std::string program;
    std::size_t i = 0;
    if (!command.empty() && command.front() == '"') {
        for (i = 1; i < command.size() && command[i] != '"'; ++i) {
            if (command[i] == '\\' && i + 1 < command.size()) ++i;
            program += command[i];
        }
    } else {
        for (; i < command.size() && command[i] != ' ' && command[i] != '\t'; ++i) program += command[i];
    }
    std::string unpercent;
    for (std::size_t k = 0; k < program.size(); ++k) {
        unpercent += program[k];
        if (program[k] == '%' && k + 1 < program.size() && program[k + 1] == '%') ++k;
    }
    return unpercent;
}

std::string quotedExec(const std::string& program) {
    std::string out = "\"";
    for (char c : program) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') out += '\\';
        out += c;
        if (c == '%') out += '%';
    }
    out += '"';
    // The string level escapes every backslash once more.
    std::string escaped;
    for (char c : out) escaped += c == '\\' ? std::string("\\\\") : std::string(1, c);
    return escaped;
}

}  // namespace

std::filesystem::path xdgAutostartFile(const Environment& env, std::string_view id) {
    return xdgConfigHome(env) / "autostart" / (std::string(id) + ".desktop");
}

bool xdgAutostartStarts(const std::filesystem::path& entryFile, const std::filesystem::path& program) {
    const auto content = readFileIfExists(entryFile);
    if (!content || !content->has_value()) return false;
    const std::string& text = **content;
    if (entryValue(text, "Hidden") == "true" || entryValue(text, "X-GNOME-Autostart-enabled") == "false") return false;
    const auto exec = entryValue(text, "Exec");
    return exec && execProgram(unescapeString(*exec)) == program.string();
}

lumenar::Status<FileError> writeXdgAutostartEntry(const std::filesystem::path& entryFile,
                                                  const std::filesystem::path& program, std::string_view name) {
    const std::string path = program.string();
    if (path.find_first_of("\r\n") != std::string::npos || name.find_first_of("\r\n") != std::string_view::npos) {
        return lumenar::Status<FileError>::failure({entryFile, "a line break cannot be stored in an autostart entry"});
    }
    const std::string text = std::string(kGroup) + "\nType=Application\nName=" + std::string(name) +
                             "\nExec=" + quotedExec(path) + "\nX-GNOME-Autostart-enabled=true\n";
    if (auto folder = createFoldersFor(entryFile); !folder) return folder;
    return replaceFile(entryFile, text);
}

lumenar::Status<FileError> removeXdgAutostartEntry(const std::filesystem::path& entryFile) {
    std::error_code ec;
    std::filesystem::remove(entryFile, ec);
    if (ec) return lumenar::Status<FileError>::failure({entryFile, ec.message()});
    return {};
}

}  // namespace platform
