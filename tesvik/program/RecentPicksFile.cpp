#include "tesvik/program/RecentPicksFile.h"

#include "platform/FileReading.h"
#include "platform/FileReplacement.h"
#include "tesvik/chars/CodeText.h"

#include <charconv>
#include <optional>

namespace tesvik::program {

namespace {

constexpr std::string_view kPinnedWord = " pinned";

std::optional<RecentPick> parseLine(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    RecentPick pick;
    if (line.ends_with(kPinnedWord)) {
        pick.pinned = true;
        line.remove_suffix(kPinnedWord.size());
    }
    std::uint32_t codePoint = 0;
    const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), codePoint, 16);
    if (error != std::errc() || end != line.data() + line.size() || line.empty()) return std::nullopt;
    if (codePoint == 0 || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) return std::nullopt;
    pick.value = chars::packCodePoint(codePoint);
    return pick;
}

}  // namespace

std::filesystem::path recentPicksFile(const std::filesystem::path& userDir) { return userDir / kRecentPicksFileName; }

RecentPicks parseRecentPicks(std::string_view text) {
    std::vector<RecentPick> stored;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        if (auto pick = parseLine(line)) stored.push_back(*pick);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return RecentPicks(stored);
}

std::string formatRecentPicks(const RecentPicks& picks) {
    std::string text;
    for (const RecentPick& pick : picks.entries()) {
        text += chars::unicodeCodeText(pick.value);
        if (pick.pinned) text += kPinnedWord;
        text += '\n';
    }
    return text;
}

RecentPicks loadRecentPicks(const std::filesystem::path& file) {
    const auto content = platform::readFileIfExists(file);
    if (!content || !content.value()) return {};
    return parseRecentPicks(*content.value());
}

lumenar::Status<platform::FileError> saveRecentPicks(const std::filesystem::path& file, const RecentPicks& picks) {
    if (auto made = platform::createFoldersFor(file); !made) return made;
    return platform::replaceFile(file, formatRecentPicks(picks));
}

}  // namespace tesvik::program
