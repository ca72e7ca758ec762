#pragma once
// What the font manager window asks of the font engine: the list, the link
// changes, backup and import, as the command line does them.
#include "pelorin/fonts/FontEntry.h"
#include "pelorin/fonts/FontList.h"
#include "pelorin/fonts/FontMessages.h"
#include "pelorin/fonts/GlyphImport.h"
#include "pelorin/fonts/ImportProgress.h"

#include <string>
#include <vector>

namespace pelorin::ui {

class ManagerBackend {
public:
    virtual ~ManagerBackend() = default;
    virtual std::vector<fonts::FontEntry> fontList(fonts::FontListScope scope, fonts::MessageSink& messages) = 0;
    virtual bool link(const fonts::FontEntry& entry, const std::string& eudcPath, fonts::MessageSink& messages) = 0;
    virtual bool unlink(const fonts::FontEntry& entry, fonts::MessageSink& messages) = 0;
    // The reason the copy failed; empty on success.
    virtual std::string backup(const fonts::FontEntry& entry, const std::string& target) = 0;
    // Runs on a worker thread while the window waits; nothing else calls the
    // backend meanwhile.
    virtual bool runImport(fonts::FontEntry& entry, const fonts::ImportSettings& settings, fonts::MessageSink& messages,
                           fonts::ImportProgress& progress) = 0;
};

}  // namespace pelorin::ui
