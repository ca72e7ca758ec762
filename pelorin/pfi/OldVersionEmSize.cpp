#include "pelorin/pfi/OldVersionEmSize.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <fstream>
#include <optional>
#include <string_view>

namespace pelorin {

namespace {

constexpr std::string_view kSection = "FONTBASE";
constexpr long kLargestEmSize = 0xFFFF;

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    return s;
}

// Leading decimal integer of a profile value, as the profile API reads it:
// optional sign, digits, anything after them ignored; no digits give 0.
long LeadingInteger(std::string_view text) {
    text = Trim(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        value = std::min(value * 10 + (c - '0'), 1L << 40);
    }
    return negative ? -value : value;
}

// The ini file's path; on a case-sensitive file system a differently cased
// DIRore.INI is accepted as the Windows file system would.
std::optional<std::filesystem::path> FindIniFile(const std::filesystem::path& directory) {
    if (directory.empty()) return std::nullopt;
    std::error_code ec;
    const std::filesystem::path exact = directory / kOldVersionIniName;
    if (std::filesystem::is_regular_file(exact, ec)) return exact;
    for (std::filesystem::directory_iterator it(directory, ec), end; !ec && it != end; it.increment(ec)) {
        if (EqualsIgnoringCase(it->path().filename().string(), kOldVersionIniName)) return it->path();
    }
    return std::nullopt;
}

std::optional<long> ReadProfileInteger(const std::filesystem::path& iniPath, std::string_view key) {
    std::ifstream in(iniPath);
    std::string line;
    bool inSection = false;
    while (std::getline(in, line)) {
        const std::string_view text = Trim(line);
        if (text.empty() || text.front() == ';') continue;
        if (text.front() == '[') {
            const std::size_t close = text.find(']');
            inSection =
                close != std::string_view::npos && EqualsIgnoringCase(Trim(text.substr(1, close - 1)), kSection);
            continue;
        }
        if (!inSection) continue;
        const std::size_t equals = text.find('=');
        if (equals == std::string_view::npos) continue;
        if (EqualsIgnoringCase(Trim(text.substr(0, equals)), key)) return LeadingInteger(text.substr(equals + 1));
    }
    return std::nullopt;
}

}  // namespace

std::string OldVersionIniKey(const std::filesystem::path& libraryPath) {
    const std::string name = libraryPath.stem().string();
    if (name == "SSFL" || name == "SSFLN") return "SSF";
    if (name == "XXLL") return "XXL";
    static constexpr std::array<std::string_view, 5> kDropLastLetter = {"HTFN", "KTFN", "XH1FN", "FSFN", "Y4FN"};
    if (std::find(kDropLastLetter.begin(), kDropLastLetter.end(), name) != kDropLastLetter.end()) {
        return name.substr(0, name.size() - 1);
    }
    return name;
}

std::uint16_t OldVersionEmSize(const std::filesystem::path& iniDirectory, const std::filesystem::path& libraryPath) {
    const std::optional<std::filesystem::path> ini = FindIniFile(iniDirectory);
    if (!ini) return kDefaultOldVersionEmSize;
    const std::optional<long> value = ReadProfileInteger(*ini, OldVersionIniKey(libraryPath));
    if (!value || *value <= 0 || *value > kLargestEmSize) return kDefaultOldVersionEmSize;
    return static_cast<std::uint16_t>(*value);
}

}  // namespace pelorin
