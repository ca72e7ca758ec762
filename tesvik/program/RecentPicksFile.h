#pragma once
// "recent-picks.txt" in the user directory: the recent-picks row, one
// character a line, newest first, as its hexadecimal code ("4E00",
// "20000"), followed by " pinned" for a pinned one.
#include "common/Result.h"
#include "platform/FileError.h"
#include "tesvik/program/RecentPicks.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace tesvik::program {

inline constexpr const char* kRecentPicksFileName = "recent-picks.txt";

std::filesystem::path recentPicksFile(const std::filesystem::path& userDir);

// Lines that are no code of a character are skipped.
RecentPicks parseRecentPicks(std::string_view text);
std::string formatRecentPicks(const RecentPicks& picks);

// A missing or unreadable file is an empty row.
RecentPicks loadRecentPicks(const std::filesystem::path& file);
// Replaces the file in one step, creating its folder when needed.
lumenar::Status<platform::FileError> saveRecentPicks(const std::filesystem::path& file, const RecentPicks& picks);

}  // namespace tesvik::program
