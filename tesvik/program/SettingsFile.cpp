#include "tesvik/program/SettingsFile.h"

#include "platform/FileReading.h"
#include "platform/FileReplacement.h"

namespace tesvik::program {

lumenar::Result<std::string, SettingsFileError> readSettingsText(const std::filesystem::path& file) {
    auto content = platform::readFileIfExists(file);
    if (!content) return lumenar::Result<std::string, SettingsFileError>::failure({content.error().describe()});
    return content->value_or(std::string());
}

lumenar::Status<SettingsFileError> writeSettings(const std::filesystem::path& file,
                                                 const ProfileAssignments& assignments) {
    using Status = lumenar::Status<SettingsFileError>;
    auto text = readSettingsText(file);
    if (!text) return Status::failure(text.error());
    auto updated = withProfileStrings(*text, kConfigSection, assignments);
    if (!updated) return Status::failure({file.string() + ": " + updated.error().reason});
    if (*updated == *text && std::filesystem::exists(file)) return {};
    if (auto folder = platform::createFoldersFor(file); !folder) return Status::failure({folder.error().describe()});
    if (auto written = platform::replaceFile(file, *updated); !written) {
        return Status::failure({written.error().describe()});
    }
    return {};
}

}  // namespace tesvik::program
