#pragma once
// The backend on the user's own fonts, links and registry store.
#include "pelorin/cli/CliSession.h"
#include "pelorin/ui/ManagerBackend.h"

namespace pelorin::ui {

class SessionBackend final : public ManagerBackend {
public:
    explicit SessionBackend(cli::CliSession& session) : session_(session) {}

    std::vector<fonts::FontEntry> fontList(fonts::FontListScope scope, fonts::MessageSink& messages) override;
    bool link(const fonts::FontEntry& entry, const std::string& eudcPath, fonts::MessageSink& messages) override;
    bool unlink(const fonts::FontEntry& entry, fonts::MessageSink& messages) override;
    std::string backup(const fonts::FontEntry& entry, const std::string& target) override;
    bool runImport(fonts::FontEntry& entry, const fonts::ImportSettings& settings, fonts::MessageSink& messages,
                   fonts::ImportProgress& progress) override;

private:
    cli::CliSession& session_;
};

}  // namespace pelorin::ui
