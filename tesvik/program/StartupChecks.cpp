#include "tesvik/program/StartupChecks.h"

#include "tesvik/program/SurrogateList.h"

#include <fstream>

namespace tesvik::program {

std::optional<Message> checkPinyinByCodeFile(const std::filesystem::path& dataDirectory) {
    std::error_code ec;
    const std::filesystem::path file = dataDirectory / kPinyinByCodeFile;
    std::ifstream in(file, std::ios::binary);
    if (in.is_open() && !std::filesystem::is_directory(file, ec)) return std::nullopt;
    return message(MessageId::PinyinFilesDamaged);
}

std::vector<Message> startupWarnings(const std::filesystem::path& dataDirectory) {
    std::vector<Message> warnings = loadSurrogateList(dataDirectory / kSurrogateListFile).warnings;
    if (auto missing = checkPinyinByCodeFile(dataDirectory)) warnings.push_back(std::move(*missing));
    return warnings;
}

std::vector<Message> startupNotices(const std::vector<Message>& settingsNotices) {
    std::vector<Message> shown;
    for (const Message& m : settingsNotices) {
        if (m.id != MessageId::RestartToApplySettings) shown.push_back(m);
    }
    return shown;
}

}  // namespace tesvik::program
