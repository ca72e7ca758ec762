#include "pelorin/fonts/StartupEudcSetup.h"

#include "platform/ProgramPath.h"

#include "common/AsciiCase.h"
#include "pelorin/fonts/PelorinIniDirectory.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>

namespace pelorin::fonts {
namespace {

constexpr std::uint16_t kCodePage = 936;
constexpr const char* kRegisterFont = "LMCivic.TTE";
constexpr const char* kSystemEudcFont = "EUDC.TTE";

bool hasFace(const std::vector<std::string>& faces, const std::string& face) {
    const std::string wanted = lumenar::upperCased(face);
    return std::any_of(faces.begin(), faces.end(),
                       [&](const std::string& f) { return lumenar::upperCased(f) == wanted; });
}

struct IniLine {
    std::string text;
    bool endedByLf = false;
};

std::vector<IniLine> splitLines(const std::string& bytes) {
    std::vector<IniLine> lines;
    std::string current;
    for (char c : bytes) {
        if (c == '\r' || c == '\n') {
            lines.push_back({current, c == '\n'});
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty()) lines.push_back({current, false});
    return lines;
}

class Setup {
public:
    Setup(const std::filesystem::path& fontsFolder, const std::filesystem::path& installedFontsFolder,
          const std::vector<std::string>& faces, EudcLinks& links, MessageSink& messages)
        : fontsFolder_(fontsFolder),
          installedFontsFolder_(installedFontsFolder),
          faces_(faces),
          links_(links),
          messages_(messages),
          target_(locate(kRegisterFont)) {}

    void linkSystemDefaultToEudcTte() { link(kSystemDefaultEudcFont, (fontsFolder_ / kSystemEudcFont).string()); }

    // Returns false when reading ends here.
    bool sectionLine(const std::string& line) {
        const auto paren = line.rfind('(');
        if (line.find("system") != std::string::npos || paren == std::string::npos) {
            linkSystemDefaultToEudcTte();
            return false;
        }
        const std::size_t nameLength = line.size() - 1 > paren ? line.size() - 1 - (paren + 1) : 0;
        target_ = locate(line.substr(paren + 1, nameLength));
        link(kSystemDefaultEudcFont, target_);
        return true;
    }

    void faceLine(const std::string& line) {
        if (lumenar::upperCased(line) == "SIMSUN") {
            if (hasFace(faces_, "宋体")) link("SimSun", target_);
        } else if (hasFace(faces_, line)) {
            link(line, target_);
        }
    }

    void run(const std::vector<IniLine>& lines) {
        links_.removeLinksTo(kRegisterFont, messages_);
        for (const IniLine& line : lines) {
            if (line.text.starts_with('[')) {
                if (!sectionLine(line.text)) return;
                continue;
            }
            if (line.endedByLf || faces_.empty()) continue;
            faceLine(line.text);
        }
    }

private:
    void link(const std::string& face, const std::string& path) {
        const auto linked = links_.linkEudc(kCodePage, face, path, messages_);
        if (!linked) messages_.show(linked.error());
    }

    std::string locate(const std::string& fileName) const {
        std::error_code ignored;
        const auto own = fontsFolder_ / fileName;
        if (installedFontsFolder_.empty() || std::filesystem::exists(own, ignored)) return own.string();
        const auto installed = installedFontsFolder_ / fileName;
        return std::filesystem::exists(installed, ignored) ? installed.string() : own.string();
    }

    std::filesystem::path fontsFolder_;
    std::filesystem::path installedFontsFolder_;
    const std::vector<std::string>& faces_;
    EudcLinks& links_;
    MessageSink& messages_;
    std::string target_;
};

}  // namespace

std::filesystem::path startupIniPath(const std::filesystem::path& programFile) {
    return pelorinIniDirectory(programFile) / "pfiFonts.ini";
}

std::filesystem::path installedFontsFolder(const std::filesystem::path& programFile) {
    const auto prefix = platform::installPrefixOf(programFile);
    return prefix ? *prefix / "share" / "fonts" / "truetype" / "lumenar" : std::filesystem::path();
}

void startupEudcSetup(const std::filesystem::path& iniFile, const std::filesystem::path& fontsFolder,
                      const std::vector<std::string>& trueTypeFaces, EudcLinks& links, MessageSink& messages,
                      const std::filesystem::path& installedFontsFolder) {
    std::ifstream in(iniFile, std::ios::binary);
    const bool opened = in.is_open();
    std::string bytes;
    if (opened) bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    // Every link below takes effect at once, at the end.
    EudcLinks::Batch linkChanges(links, messages);
    Setup setup(fontsFolder, installedFontsFolder, trueTypeFaces, links, messages);
    if (!opened || bytes.empty()) {
        setup.linkSystemDefaultToEudcTte();
        links.removeLinksTo(kRegisterFont, messages);
        return;
    }
    setup.run(splitLines(bytes));
}

}  // namespace pelorin::fonts
