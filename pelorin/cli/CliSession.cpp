#include "pelorin/cli/CliSession.h"

#include "pelorin/fonts/BaseWinAscent.h"
#include "pelorin/fonts/FontList.h"
#include "pelorin/fonts/PelorinIniDirectory.h"
#include "platform/FontconfigFonts.h"
#include "platform/ProgramPath.h"
#include "platform/SystemCodePage.h"

namespace pelorin::cli {

lumenar::Result<std::unique_ptr<CliSession>, std::string> CliSession::open(platform::Environment env) {
    using R = lumenar::Result<std::unique_ptr<CliSession>, std::string>;
    auto store = platform::openUserRegistryStore(env);
    if (!store) return R::failure(store.error().describe());
    return std::unique_ptr<CliSession>(new CliSession(std::move(env), std::move(store.value())));
}

CliSession::CliSession(platform::Environment env, std::unique_ptr<platform::FileRegistryStore> store)
    : env_(std::move(env)), systemCodePage_(platform::systemCodePage(env_)), store_(std::move(store)) {
    switch_ = std::make_unique<fonts::FontconfigEudcSwitch>(*store_, env_, systemCodePage_);
    links_ = std::make_unique<fonts::EudcLinks>(*store_, *switch_);
}

std::filesystem::path CliSession::fontsFolder() const { return platform::userFontsFolder(env_); }

std::filesystem::path CliSession::iniDirectory() const {
    const auto program = platform::runningProgramPath();
    return program ? fonts::pelorinIniDirectory(*program) : std::filesystem::path();
}

std::vector<fonts::FontEntry> CliSession::fontList(std::uint16_t codePage, fonts::FontListScope scope) {
    return fontList(codePage, scope, messages_);
}

std::vector<fonts::FontEntry> CliSession::fontList(std::uint16_t codePage, fonts::FontListScope scope,
                                                   fonts::MessageSink& messages) {
    return fonts::buildFontList(fontsFolder(), platform::listInstalledFonts(), codePage, *links_, messages, scope);
}

bool CliSession::runImport(fonts::FontEntry& entry, const fonts::ImportSettings& settings,
                           fonts::MessageSink& messages, fonts::ImportProgress& progress) {
    fonts::ImportContext context{
        links(), messages, progress, libraryOptions(),
        [](const fonts::FontEntry& e) { return fonts::winAscentOf(e.fontFilePath, e.faceIndex); }};
    return fonts::runImport(entry, settings, context);
}

}  // namespace pelorin::cli
