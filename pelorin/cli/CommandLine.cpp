#include "pelorin/cli/CommandLine.h"

#include <charconv>
#include <map>
#include <set>

namespace pelorin::cli {

const char* const kUsage =
    "usage:\n"
    "  pelorin                                  run the start-up EUDC set-up (pfiFonts.ini)\n"
    "  pelorin pfi-info LIB.pfi\n"
    "  pelorin make-eudc LIB.pfi OUT.tte [--code-page N] [--language ID] [--base-face FACE] [--smooth]\n"
    "  pelorin import --face FACE --library LIB.pfi [--eudc OUT.tte] [--font-out OUT.ttf]\n"
    "                 [--mode 0|1|2] [--precedence 0|1] [--smooth] [--code-page N]\n"
    "  pelorin manager                          open the font manager window\n"
    "  pelorin list [--all]                     the maker's faces; --all: every face with CJK ideographs\n"
    "  pelorin link --face FACE --eudc FILE [--code-page N]\n"
    "  pelorin unlink --face FACE [--code-page N]\n"
    "  pelorin backup --face FACE --out FILE\n"
    "  pelorin pfi-pack FONT... (--codes RANGE[,RANGE...] | --map FILE) --out LIB.pfi\n"
    "                 [--code-page 936|950|0] [--em N] [--face-index N]\n";

const char* const kHelp =
    "Pelorin's font engine: reads PFI glyph libraries, writes EUDC fonts and merged font\n"
    "copies, and links EUDC fonts to font faces. Without a command it links the EUDC\n"
    "fonts named in pfiFonts.ini and ends.\n"
    "\n"
    "  pelorin --help                           this text\n"
    "  pelorin --version                        the version\n"
    "\n"
    "An import stops at Ctrl+C and leaves every file and link as it was.\n"
    "\n"
    "exit status: 0 success, 1 the operation failed (its message was shown), 2 a usage error,\n"
    "             3 the import was cancelled,\n"
    "             4 pfi-pack --map wrote a library that lacks codes of the map (each was named)\n";

namespace {

using ParseResult = lumenar::Result<Command, UsageError>;

UsageError usage(std::string reason) { return UsageError{std::move(reason)}; }

// Positional arguments and --name value options of one subcommand.
struct Arguments {
    std::vector<std::string> positional;
    std::map<std::string, std::string> options;
    std::set<std::string> flags;

    std::optional<std::string> option(const std::string& name) const {
        const auto found = options.find(name);
        if (found == options.end()) return std::nullopt;
        return found->second;
    }
};

lumenar::Result<Arguments, UsageError> splitArguments(const std::vector<std::string>& args,
                                                      const std::set<std::string>& valueOptions,
                                                      const std::set<std::string>& flagOptions) {
    Arguments out;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!arg.starts_with("--")) {
            out.positional.push_back(arg);
            continue;
        }
        if (flagOptions.contains(arg)) {
            out.flags.insert(arg);
        } else if (valueOptions.contains(arg)) {
            if (i + 1 >= args.size())
                return lumenar::Result<Arguments, UsageError>::failure(usage(arg + " needs a value"));
            if (out.options.contains(arg))
                return lumenar::Result<Arguments, UsageError>::failure(usage(arg + " given twice"));
            out.options[arg] = args[++i];
        } else {
            return lumenar::Result<Arguments, UsageError>::failure(usage("unknown option " + arg + " for " + args[0]));
        }
    }
    return out;
}

std::optional<unsigned long> parseNumber(const std::string& text, int base = 10) {
    unsigned long value = 0;
    const char* begin = text.data();
    const char* end = text.data() + text.size();
    if (base == 16 && text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) begin += 2;
    const auto [ptr, ec] = std::from_chars(begin, end, value, base);
    if (ec != std::errc() || ptr != end || begin == end) return std::nullopt;
    return value;
}

// Reads an optional number option within [low, high].
lumenar::Status<UsageError> readNumber(const Arguments& a, const std::string& name, unsigned long low,
                                       unsigned long high, std::optional<unsigned long>& out) {
    const auto text = a.option(name);
    if (!text) return {};
    const auto value = parseNumber(*text);
    if (!value || *value < low || *value > high)
        return lumenar::Status<UsageError>::failure(
            usage(name + " wants a number from " + std::to_string(low) + " to " + std::to_string(high)));
    out = value;
    return {};
}

template <class T>
std::optional<T> narrow(const std::optional<unsigned long>& value) {
    if (!value) return std::nullopt;
    return static_cast<T>(*value);
}

lumenar::Status<UsageError> needPositional(const Arguments& a, std::size_t count, const std::string& command) {
    if (a.positional.size() != count)
        return lumenar::Status<UsageError>::failure(
            usage(command + " takes " + std::to_string(count) + " file argument" + (count == 1 ? "" : "s")));
    return {};
}

lumenar::Status<UsageError> needOption(const Arguments& a, const std::string& name, const std::string& command) {
    if (!a.option(name)) return lumenar::Status<UsageError>::failure(usage(command + " needs " + name));
    return {};
}

#define RETURN_IF_USAGE_ERROR(expr)                                                        \
    do {                                                                                   \
        if (auto status_ = (expr); !status_) return ParseResult::failure(status_.error()); \
    } while (0)

#define SPLIT_ARGUMENTS_OR_RETURN(var, args, values, flagset)           \
    auto var##Result = splitArguments(args, values, flagset);           \
    if (!var##Result) return ParseResult::failure(var##Result.error()); \
    const Arguments& var = var##Result.value()

ParseResult parsePfiInfo(const std::vector<std::string>& args) {
    SPLIT_ARGUMENTS_OR_RETURN(a, args, {}, {});
    RETURN_IF_USAGE_ERROR(needPositional(a, 1, "pfi-info"));
    return Command(PfiInfoCommand{a.positional[0]});
}

ParseResult parseMakeEudc(const std::vector<std::string>& args) {
    SPLIT_ARGUMENTS_OR_RETURN(a, args, (std::set<std::string>{"--code-page", "--language", "--base-face"}),
                              {"--smooth"});
    RETURN_IF_USAGE_ERROR(needPositional(a, 2, "make-eudc"));
    MakeEudcCommand c{a.positional[0], a.positional[1], {}, {}, a.option("--base-face"), a.flags.contains("--smooth")};
    std::optional<unsigned long> codePage, language;
    RETURN_IF_USAGE_ERROR(readNumber(a, "--code-page", 0, 65535, codePage));
    RETURN_IF_USAGE_ERROR(readNumber(a, "--language", 0, 65535, language));
    c.codePage = narrow<std::uint16_t>(codePage);
    c.languageId = narrow<std::uint16_t>(language);
    return Command(c);
}

ParseResult parseImport(const std::vector<std::string>& args) {
    SPLIT_ARGUMENTS_OR_RETURN(
        a, args,
        (std::set<std::string>{"--face", "--library", "--eudc", "--font-out", "--mode", "--precedence", "--code-page"}),
        {"--smooth"});
    RETURN_IF_USAGE_ERROR(needPositional(a, 0, "import"));
    RETURN_IF_USAGE_ERROR(needOption(a, "--face", "import"));
    RETURN_IF_USAGE_ERROR(needOption(a, "--library", "import"));
    ImportCommand c;
    c.face = *a.option("--face");
    c.library = *a.option("--library");
    c.eudcOut = a.option("--eudc");
    c.fontOut = a.option("--font-out");
    c.smooth = a.flags.contains("--smooth");
    std::optional<unsigned long> mode, precedence, codePage;
    RETURN_IF_USAGE_ERROR(readNumber(a, "--mode", 0, 2, mode));
    RETURN_IF_USAGE_ERROR(readNumber(a, "--precedence", 0, 1, precedence));
    RETURN_IF_USAGE_ERROR(readNumber(a, "--code-page", 0, 65535, codePage));
    c.mode = static_cast<int>(mode.value_or(0));
    if (precedence && c.mode == 0) return ParseResult::failure(usage("--precedence applies to modes 1 and 2 only"));
    if (c.fontOut && c.mode != 2) return ParseResult::failure(usage("--font-out applies to mode 2 only"));
    c.precedence = narrow<int>(precedence);
    c.codePage = narrow<std::uint16_t>(codePage);
    return Command(c);
}

ParseResult parseLink(const std::vector<std::string>& args) {
    SPLIT_ARGUMENTS_OR_RETURN(a, args, (std::set<std::string>{"--face", "--eudc", "--code-page"}), {});
    RETURN_IF_USAGE_ERROR(needPositional(a, 0, "link"));
    RETURN_IF_USAGE_ERROR(needOption(a, "--face", "link"));
    RETURN_IF_USAGE_ERROR(needOption(a, "--eudc", "link"));
    std::optional<unsigned long> codePage;
    RETURN_IF_USAGE_ERROR(readNumber(a, "--code-page", 0, 65535, codePage));
    return Command(LinkCommand{*a.option("--face"), *a.option("--eudc"), narrow<std::uint16_t>(codePage)});
}

ParseResult parseUnlink(const std::vector<std::string>& args) {
    SPLIT_ARGUMENTS_OR_RETURN(a, args, (std::set<std::string>{"--face", "--code-page"}), {});
    RETURN_IF_USAGE_ERROR(needPositional(a, 0, "unlink"));
    RETURN_IF_USAGE_ERROR(needOption(a, "--face", "unlink"));
    std::optional<unsigned long> codePage;
    RETURN_IF_USAGE_ERROR(readNumber(a, "--code-page", 0, 65535, codePage));
    return Command(UnlinkCommand{*a.option("--face"), narrow<std::uint16_t>(codePage)});
}

ParseResult parseList(const std::vector<std::string>& args) {
    SPLIT_ARGUMENTS_OR_RETURN(a, args, {}, (std::set<std::string>{"--all"}));
    RETURN_IF_USAGE_ERROR(needPositional(a, 0, "list"));
    return Command(ListCommand{a.flags.contains("--all")});
}

ParseResult parseBackup(const std::vector<std::string>& args) {
    SPLIT_ARGUMENTS_OR_RETURN(a, args, (std::set<std::string>{"--face", "--out"}), {});
    RETURN_IF_USAGE_ERROR(needPositional(a, 0, "backup"));
    RETURN_IF_USAGE_ERROR(needOption(a, "--face", "backup"));
    RETURN_IF_USAGE_ERROR(needOption(a, "--out", "backup"));
    return Command(BackupCommand{*a.option("--face"), *a.option("--out")});
}

ParseResult parsePfiPack(const std::vector<std::string>& args) {
    SPLIT_ARGUMENTS_OR_RETURN(
        a, args, (std::set<std::string>{"--codes", "--map", "--out", "--code-page", "--em", "--face-index"}), {});
    if (a.positional.empty()) return ParseResult::failure(usage("pfi-pack takes one or more font files"));
    if (a.option("--codes").has_value() == a.option("--map").has_value())
        return ParseResult::failure(usage("pfi-pack needs either --codes or --map"));
    RETURN_IF_USAGE_ERROR(needOption(a, "--out", "pfi-pack"));
    std::vector<CodeRange> codes;
    if (const auto ranges = a.option("--codes")) {
        auto parsed = parseCodeRanges(*ranges);
        if (!parsed) return ParseResult::failure(parsed.error());
        codes = std::move(parsed.value());
    }
    std::optional<unsigned long> codePage, em, faceIndex;
    RETURN_IF_USAGE_ERROR(readNumber(a, "--code-page", 0, 950, codePage));
    if (codePage && *codePage != 0 && *codePage != 936 && *codePage != 950)
        return ParseResult::failure(usage("--code-page of a library is 936, 950 or 0"));
    RETURN_IF_USAGE_ERROR(readNumber(a, "--em", 16, 0x3FFF, em));
    RETURN_IF_USAGE_ERROR(readNumber(a, "--face-index", 0, 0xFFFF, faceIndex));
    PfiPackCommand c;
    c.fonts = a.positional;
    c.codes = std::move(codes);
    c.map = a.option("--map");
    c.output = *a.option("--out");
    c.codePage = static_cast<std::uint16_t>(codePage.value_or(0));
    c.em = static_cast<std::uint16_t>(em.value_or(1000));
    c.faceIndex = static_cast<std::uint32_t>(faceIndex.value_or(0));
    return Command(c);
}

#undef RETURN_IF_USAGE_ERROR
#undef SPLIT_ARGUMENTS_OR_RETURN

ParseResult parseNoArguments(const std::vector<std::string>& args, Command command) {
    if (args.size() > 1) return ParseResult::failure(usage(args[0] + " takes no arguments"));
    return command;
}

}  // namespace

lumenar::Result<std::vector<CodeRange>, UsageError> parseCodeRanges(const std::string& text) {
    using R = lumenar::Result<std::vector<CodeRange>, UsageError>;
    std::vector<CodeRange> ranges;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const std::string part = text.substr(start, comma - start);
        const std::size_t dash = part.find('-');
        const auto first = parseNumber(part.substr(0, dash), 16);
        const auto last = dash == std::string::npos ? first : parseNumber(part.substr(dash + 1), 16);
        if (!first || !last || *first > 0xFFFF || *last > 0xFFFF || *last < *first)
            return R::failure(usage("bad code range \"" + part + "\" (hexadecimal codes, FIRST-LAST)"));
        ranges.push_back({static_cast<std::uint16_t>(*first), static_cast<std::uint16_t>(*last)});
        start = comma + 1;
    }
    return ranges;
}

lumenar::Result<Command, UsageError> parseCommandLine(const std::vector<std::string>& args) {
    if (args.empty()) return Command(StartupCommand{});
    const std::string& name = args[0];
    if (name == "--help" || name == "-h") return parseNoArguments(args, HelpCommand{});
    if (name == "--version") return parseNoArguments(args, VersionCommand{});
    if (name == "pfi-info") return parsePfiInfo(args);
    if (name == "make-eudc") return parseMakeEudc(args);
    if (name == "import") return parseImport(args);
    if (name == "list") return parseList(args);
    if (name == "link") return parseLink(args);
    if (name == "unlink") return parseUnlink(args);
    if (name == "backup") return parseBackup(args);
    if (name == "pfi-pack") return parsePfiPack(args);
    if (name == "manager") return parseNoArguments(args, ManagerCommand{});
    return ParseResult::failure(usage("unknown command \"" + name + "\""));
}

}  // namespace pelorin::cli
