#include "pelorin/cli/FaceRule.h"

#include "platform/FileReading.h"
#include "platform/FontconfigEudcRules.h"
#include "platform/FileReplacement.h"

namespace pelorin::cli {

std::filesystem::path userFaceRuleFile(const platform::Environment& env) {
    return platform::userFontconfigRulesFolder(env) / kFaceRuleFile;
}

lumenar::Status<platform::FileError> installFaceRule(const std::filesystem::path& iniDirectory,
                                                     const platform::Environment& env) {
    using S = lumenar::Status<platform::FileError>;
    const auto rule = platform::readFileIfExists(iniDirectory / kFaceRuleFile);
    if (!rule) return S::failure(rule.error());
    if (!rule->has_value()) return {};
    const auto target = userFaceRuleFile(env);
    if (auto folder = platform::createFoldersFor(target); !folder) return folder;
    return platform::replaceFile(target, **rule);
}

}  // namespace pelorin::cli
