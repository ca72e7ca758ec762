#pragma once

#include "tesvik/messages/Messages.h"

#include <filesystem>
#include <optional>
#include <vector>

namespace tesvik::program {

// The pinyin table ordered by code, which the pinyin lookups read.
inline constexpr const char* kPinyinByCodeFile = "pinyindataorderbycode.data";

// The data file check: the warning when the file cannot be opened for reading.
std::optional<Message> checkPinyinByCodeFile(const std::filesystem::path& dataDirectory);

// The warnings of the main window's start, in the order they are shown: the
// surrogate-pair list, then the data file. The program runs on after each.
std::vector<Message> startupWarnings(const std::filesystem::path& dataDirectory);

// Of the notices the settings load reports, those that mean something on
// Linux: a restart does not change which characters the system can show,
// so the surrogate-support restart notice is left out.
std::vector<Message> startupNotices(const std::vector<Message>& settingsNotices);

}  // namespace tesvik::program
