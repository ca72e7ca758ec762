#pragma once

// Running the font tools nobody here wrote, for the integration tests
// (header only, so it stays out of the library).

#include <sys/wait.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace pelorin::truetype::testing {

struct CommandResult {
    int exitCode = -1;
    std::string output;  // standard output and standard error together
};

inline CommandResult RunCommand(const std::string& command) {
    CommandResult result;
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (!pipe) return result;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) result.output.append(buffer, n);
    const int status = ::pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

// One word for the shell, whatever the text holds (a path too converts).
inline std::string Quoted(const std::string& text) {
    std::string out = "'";
    for (char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

// ots-sanitize's verdict on a font file.
inline CommandResult Sanitize(const std::filesystem::path& font) {
    return RunCommand("ots-sanitize " + Quoted(font) + " /dev/null");
}

// Runs a Python script with the system interpreter (which has fontTools);
// the arguments follow as sys.argv[1:].
inline CommandResult RunFontTools(const std::string& script, const std::string& arguments) {
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("pelorin-tt-script-" + std::to_string(::getpid()) + ".py");
    std::ofstream(file) << script;
    CommandResult result = RunCommand("/usr/bin/python3 " + Quoted(file) + " " + arguments);
    std::filesystem::remove(file);
    return result;
}

}  // namespace pelorin::truetype::testing
