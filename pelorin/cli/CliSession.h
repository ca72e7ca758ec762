#pragma once

#include "pelorin/fonts/EudcLinks.h"
#include "pelorin/fonts/FontEntry.h"
#include "pelorin/fonts/FontList.h"
#include "pelorin/fonts/FontMessages.h"
#include "pelorin/fonts/FontconfigEudcSwitch.h"
#include "pelorin/fonts/GlyphImport.h"
#include "pelorin/pfi/PfiDoc.h"
#include "platform/FileRegistryStore.h"
#include "platform/XdgDirectories.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

namespace pelorin::cli {

// Messages for the user, one a line on standard error.
class StderrMessages final : public fonts::MessageSink {
public:
    void show(const std::string& message) override { std::fprintf(stderr, "%s\n", message.c_str()); }
};

// What every command works with: the user's environment, registry store,
// EUDC links and fonts.
class CliSession {
public:
    static lumenar::Result<std::unique_ptr<CliSession>, std::string> open(platform::Environment env);

    const platform::Environment& env() const { return env_; }
    std::uint16_t systemCodePage() const { return systemCodePage_; }
    std::uint16_t codePageOr(std::optional<std::uint16_t> chosen) const { return chosen.value_or(systemCodePage_); }
    std::filesystem::path fontsFolder() const;
    std::filesystem::path iniDirectory() const;  // where DIRore.INI lies
    PfiOpenOptions libraryOptions() const { return {systemCodePage_, iniDirectory()}; }
    StderrMessages& messages() { return messages_; }
    fonts::EudcLinks& links() { return *links_; }
    std::vector<fonts::FontEntry> fontList(std::uint16_t codePage,
                                           fonts::FontListScope scope = fonts::FontListScope::MakersFamilies);
    std::vector<fonts::FontEntry> fontList(std::uint16_t codePage, fonts::FontListScope scope,
                                           fonts::MessageSink& messages);
    // Imports a library as the settings say, with this session's links and
    // library options: the command line and the window import alike.
    bool runImport(fonts::FontEntry& entry, const fonts::ImportSettings& settings, fonts::MessageSink& messages,
                   fonts::ImportProgress& progress);

private:
    CliSession(platform::Environment env, std::unique_ptr<platform::FileRegistryStore> store);

    platform::Environment env_;
    std::uint16_t systemCodePage_ = 0;
    StderrMessages messages_;
    std::unique_ptr<platform::FileRegistryStore> store_;
    std::unique_ptr<fonts::FontconfigEudcSwitch> switch_;
    std::unique_ptr<fonts::EudcLinks> links_;
};

}  // namespace pelorin::cli
