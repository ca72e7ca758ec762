#include "tesvik/program/TesvikDirectories.h"

#include "common/AsciiCase.h"
#include "platform/ProgramPath.h"

#include <string>
#include <string_view>

#ifndef TESVIK_INSTALL_PREFIX
#define TESVIK_INSTALL_PREFIX "/usr/local"
#endif

namespace tesvik::program {

namespace {

constexpr std::string_view kInstallFolder = "tesvik-gb13000";

std::filesystem::path withTrailingSlash(std::filesystem::path dir) {
    std::string text = dir.string();
    if (text.empty() || text.back() != '/') text += '/';
    return text;
}

// The parent of the first folder named Tesvik-gb13000 on the path, with its
// spelling kept: Linux file names are case-sensitive.
std::optional<std::filesystem::path> installFolderParent(std::string_view path) {
    std::size_t slash = path.find('/');
    while (slash != std::string_view::npos) {
        const std::size_t next = path.find('/', slash + 1);
        if (next == std::string_view::npos) break;  // the last component is the program itself
        if (lumenar::equalsIgnoringAsciiCase(path.substr(slash + 1, next - slash - 1), kInstallFolder)) {
            return std::filesystem::path(std::string(path.substr(0, slash + 1)));
        }
        slash = next;
    }
    return std::nullopt;
}

}  // namespace

bool fileExistsOnDisk(const std::filesystem::path& file) {
    std::error_code ec;
    return std::filesystem::is_regular_file(file, ec);
}

std::filesystem::path programDirectory(const std::filesystem::path& programPath) {
    const std::string text = programPath.string();
    const std::size_t slash = text.rfind('/');
    return slash == std::string::npos ? std::filesystem::path("./") : std::filesystem::path(text.substr(0, slash + 1));
}

std::filesystem::path settingsDirectory(const std::filesystem::path& programPath, const platform::Environment& env) {
    std::string_view path = programPath.native();
    if (!path.empty() && path.front() == '"') path.remove_prefix(1);
    if (auto parent = installFolderParent(path)) return *parent;
    return withTrailingSlash(platform::xdgConfigHome(env) / "tesvik");
}

TesvikDirectories resolveDirectories(const DirectoryInputs& inputs, const FileExists& fileExists) {
    TesvikDirectories dirs;
    const std::filesystem::path programDir = programDirectory(inputs.programPath);
    dirs.portable = fileExists(programDir / kPortableMarkerFile);
    dirs.settings = settingsDirectory(inputs.programPath, inputs.environment);
    dirs.data = dirs.portable ? programDir : withTrailingSlash(inputs.installPrefix / "share" / "tesvik");
    dirs.user = dirs.portable ? programDir : withTrailingSlash(platform::xdgDataHome(inputs.environment) / "tesvik");
    if (inputs.overrides.dataDir) dirs.data = withTrailingSlash(*inputs.overrides.dataDir);
    if (inputs.overrides.userDir) dirs.user = withTrailingSlash(*inputs.overrides.userDir);
    return dirs;
}

std::filesystem::path defaultInstallPrefix() {
    if (const auto program = platform::runningProgramPath()) {
        if (auto prefix = platform::installPrefixOf(*program)) return *prefix;
    }
    return TESVIK_INSTALL_PREFIX;
}

std::filesystem::path settingsFile(const TesvikDirectories& dirs) { return dirs.settings / "Tesvik.ini"; }

}  // namespace tesvik::program
