#include "pelorin/cli/PelorinCommands.h"

#include "common/Version.h"
#include "pelorin/cli/CliMessages.h"
#include "pelorin/cli/CliSession.h"
#include "pelorin/cli/CommandLine.h"
#include "pelorin/cli/FaceRule.h"
#include "pelorin/cli/PfiPack.h"
#include "pelorin/cli/TerminalProgress.h"
#include "pelorin/fonts/BaseWinAscent.h"
#include "pelorin/fonts/CodePageConversion.h"
#include "pelorin/fonts/FontBackup.h"
#include "pelorin/fonts/FontList.h"
#include "pelorin/fonts/GlyphImport.h"
#include "pelorin/fonts/StartupEudcSetup.h"
#include "pelorin/pfi/PfiMessages.h"
#include "platform/FontconfigFonts.h"
#include "platform/ProgramPath.h"

#include <cstdio>
#include <filesystem>
#include <optional>
#include <vector>

namespace pelorin::cli {
namespace {

void fail(const std::string& reason) { std::fprintf(stderr, "pelorin: %s\n", reason.c_str()); }

std::string absolute(const std::string& path) {
    std::error_code ignored;
    const auto full = std::filesystem::absolute(path, ignored);
    return full.empty() ? path : full.lexically_normal().string();
}

// Messages kept back, to be shown only if they turn out to matter.
class HeldMessages final : public fonts::MessageSink {
public:
    void show(const std::string& message) override { held.push_back(message); }
    std::vector<std::string> held;
};

class Runner {
public:
    Runner(CliSession& session, const ManagerWindow& managerWindow) : s_(session), managerWindow_(managerWindow) {}

    int operator()(const StartupCommand&) {
        const auto program = platform::runningProgramPath();
        std::vector<std::string> trueTypeFaces;
        for (const platform::InstalledFont& font : platform::installedFonts())
            if (font.format == "TrueType")
                trueTypeFaces.insert(trueTypeFaces.end(), font.families.begin(), font.families.end());
        const std::filesystem::path programFile = program.value_or("pelorin");
        if (auto rule = installFaceRule(s_.iniDirectory(), s_.env()); !rule) fail(rule.error().describe());
        fonts::startupEudcSetup(fonts::startupIniPath(programFile), s_.fontsFolder(), trueTypeFaces, s_.links(),
                                s_.messages(), fonts::installedFontsFolder(programFile));
        return kExitSuccess;
    }

    int operator()(const HelpCommand&) { return kExitSuccess; }     // answered before the session opens
    int operator()(const VersionCommand&) { return kExitSuccess; }  // likewise

    int operator()(const PfiInfoCommand& c) {
        CPfiDoc library;
        if (!library.Open(c.library, s_.libraryOptions())) return cannotOpenLibrary(c.library);
        showWarnings(library);
        std::printf("code-page\t%u\nem-size\t%u\nglyph-count\t%u\neudc-codes\t%zu\nother-codes\t%zu\n",
                    library.CodePage(), library.EmSize(), library.GlyphCount(), library.EudcCodes().size(),
                    library.OtherCodes().size());
        return kExitSuccess;
    }

    int operator()(const MakeEudcCommand& c) {
        CPfiDoc library;
        if (!library.Open(c.library, s_.libraryOptions())) return cannotOpenLibrary(c.library);
        showWarnings(library);
        const std::uint16_t codePage = s_.codePageOr(c.codePage);
        std::uint16_t winAscent = fonts::kDefaultEudcWinAscent;
        if (c.baseFace) {
            const auto file = platform::findFontFile(*c.baseFace);
            if (!file) {
                fail(fonts::text(message::kNoInstalledFace, *c.baseFace, message::kCloseQuote));
                return kExitFailure;
            }
            winAscent = fonts::winAscentOf(file->file.string(), file->faceIndex);
        }
        TerminalProgress progress(stderr);
        progress.setRange(static_cast<int>(library.EudcCodes().size()));
        const bool ok =
            fonts::writeNewEudcFont(c.output, codePage, c.languageId.value_or(fonts::languageIdOfCodePage(codePage)),
                                    winAscent, library, c.smooth, s_.messages(), progress);
        if (!ok && progress.cancelRequested()) {
            fail(fonts::text(message::kCancelledNotWritten, c.output, message::kWasNotWritten));
            return kExitCancelled;
        }
        return ok ? kExitSuccess : kExitFailure;
    }

    int operator()(const ImportCommand& c) {
        const auto found = findFace(c.face, s_.codePageOr(c.codePage));
        if (!found) return notInList(c.face);
        fonts::FontEntry entry = *found;

        std::error_code ignored;
        fonts::ImportSettings settings =
            fonts::defaultImportSettings(entry, std::filesystem::current_path(ignored).string());
        settings.libraryPath = c.library;
        settings.mode = static_cast<fonts::ImportMode>(c.mode);
        settings.precedence = static_cast<fonts::Precedence>(c.precedence.value_or(0));
        settings.smooth = c.smooth;
        if (c.eudcOut) settings.newEudcPath = *c.eudcOut;
        if (c.fontOut) settings.newFontPath = *c.fontOut;
        settings.newEudcPath = absolute(settings.newEudcPath);
        settings.newFontPath = absolute(settings.newFontPath);

        TerminalProgress progress(stderr);
        const bool ok = s_.runImport(entry, settings, s_.messages(), progress);
        if (!ok) return progress.cancelRequested() ? kExitCancelled : kExitFailure;
        std::printf("eudc-file\t%s\n", entry.eudcFilePath.c_str());
        if (settings.mode == fonts::ImportMode::EverythingIntoFont)
            std::printf("new-font-file\t%s\n", entry.newFontFilePath.c_str());
        return kExitSuccess;
    }

    int operator()(const ListCommand& c) {
        const auto scope = c.allFaces ? fonts::FontListScope::AllCjkFaces : fonts::FontListScope::MakersFamilies;
        const auto list = s_.fontList(s_.systemCodePage(), scope);
        for (const fonts::FontEntry& entry : list)
            std::printf("%s\t%s\t%s\n", fonts::rowNameOf(entry).c_str(), entry.fontFilePath.c_str(),
                        entry.eudcFilePath.c_str());
        return list.empty() ? kExitFailure : kExitSuccess;
    }

    int operator()(const LinkCommand& c) {
        const auto linked = s_.links().linkEudc(s_.codePageOr(c.codePage), c.face, absolute(c.eudc), s_.messages());
        if (!linked) {
            s_.messages().show(linked.error());
            return kExitFailure;
        }
        return kExitSuccess;
    }

    int operator()(const UnlinkCommand& c) {
        const std::uint16_t codePage = s_.codePageOr(c.codePage);
        if (!s_.links().unlinkEudc(codePage, c.face, s_.messages())) {
            fail(fonts::text(message::kFaceQuote, c.face, message::kNoEudcLinkUnderCodePage, std::to_string(codePage),
                             message::kNoEudcLinkEnd));
            return kExitFailure;
        }
        return kExitSuccess;
    }

    int operator()(const BackupCommand& c) {
        const auto entry = findFace(c.face, s_.systemCodePage());
        if (!entry) return notInList(c.face);
        if (const std::string error = fonts::backupFont(*entry, c.output); !error.empty()) {
            fail(fonts::text(message::kCannotCopy, entry->fontFilePath, message::kCopyTo, c.output,
                             message::kReasonFollows, error));
            return kExitFailure;
        }
        return kExitSuccess;
    }

    int operator()(const ManagerCommand&) {
        if (!managerWindow_) {
            fail(std::string(message::kNoWindow));
            return kExitFailure;
        }
        return managerWindow_(s_);
    }

    int operator()(const PfiPackCommand& c) {
        const auto packed = packLibrary(c);
        if (!packed) {
            fail(packed.error());
            return kExitFailure;
        }
        for (const AbsentCode& absent : packed->absent)
            std::fprintf(stderr, "pelorin: %04X (U+%04X): %s\n", absent.libraryCode,
                         static_cast<unsigned>(absent.sourceCodePoint), absent.reason.c_str());
        const std::string report =
            fonts::text(message::kGlyphsPackedBefore, std::to_string(packed->packed), message::kGlyphsPacked,
                        std::to_string(packed->missing), message::kCodesWithoutGlyph);
        std::fprintf(stderr, "%s\n", report.c_str());
        return packed->absent.empty() ? kExitSuccess : kExitIncomplete;
    }

private:
    // The row of a face (or face and style): among the maker's faces, else
    // among every face with CJK ideographs. When neither has it, the maker's
    // list says why it is empty.
    std::optional<fonts::FontEntry> findFace(const std::string& face, std::uint16_t codePage) {
        HeldMessages makersListMessages;
        const auto makers = s_.fontList(codePage, fonts::FontListScope::MakersFamilies, makersListMessages);
        if (const fonts::FontEntry* entry = fonts::findEntry(makers, face)) return *entry;
        HeldMessages ignored;
        const auto all = s_.fontList(codePage, fonts::FontListScope::AllCjkFaces, ignored);
        if (const fonts::FontEntry* entry = fonts::findEntry(all, face)) return *entry;
        for (const std::string& message : makersListMessages.held) s_.messages().show(message);
        return std::nullopt;
    }
    int cannotOpenLibrary(const std::string& path) {
        s_.messages().show(pfi_messages::CannotOpenLibrary(path));
        return kExitFailure;
    }
    void showWarnings(const CPfiDoc& library) {
        for (const std::string& warning : library.Warnings()) s_.messages().show(warning);
    }
    int notInList(const std::string& face) {
        fail(fonts::text(message::kOpenQuote, face, message::kNotInFontList));
        return kExitFailure;
    }

    CliSession& s_;
    const ManagerWindow& managerWindow_;
};

}  // namespace

int runPelorin(const std::vector<std::string>& args, const platform::Environment& env,
               const ManagerWindow& managerWindow) {
    const auto command = parseCommandLine(args);
    if (!command) {
        std::fprintf(stderr, "pelorin: %s\n%s", command.error().reason.c_str(), std::string(kUsage).c_str());
        return kExitUsage;
    }
    if (std::holds_alternative<HelpCommand>(command.value())) {
        std::printf("%s\n%s", std::string(kHelp).c_str(), std::string(kUsage).c_str());
        return kExitSuccess;
    }
    if (std::holds_alternative<VersionCommand>(command.value())) {
        std::printf("pelorin %s\n", lumenar::kVersion);
        return kExitSuccess;
    }
    auto session = CliSession::open(env);
    if (!session) {
        fail(session.error());
        return kExitFailure;
    }
    Runner runner(*session.value(), managerWindow);
    return std::visit(runner, command.value());
}

}  // namespace pelorin::cli
