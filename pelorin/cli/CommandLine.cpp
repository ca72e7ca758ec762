#include "pelorin/cli/CommandLine.h"

#include "pelorin/cli/CliMessages.h"
#include "pelorin/cli/NumberText.h"
#include "pelorin/fonts/FontMessages.h"

#include <map>
#include <set>

namespace pelorin::cli {

const Texts kUsage{
    "用法：\n"
    "  pelorin                                  执行启动时的EUDC设置（pfiFonts.ini）\n"
    "  pelorin pfi-info LIB.pfi\n"
    "  pelorin make-eudc LIB.pfi OUT.tte [--code-page N] [--language ID] [--base-face FACE] [--smooth]\n"
    "  pelorin import --face FACE --library LIB.pfi [--eudc OUT.tte] [--font-out OUT.ttf]\n"
    "                 [--mode 0|1|2] [--precedence 0|1] [--smooth] [--code-page N]\n"
    "  pelorin manager                          打开字体管理表窗口\n"
    "  pelorin list [--all]                     厂商的字体；--all：所有含中日韩汉字的字体\n"
    "  pelorin link --face FACE --eudc FILE [--code-page N]\n"
    "  pelorin unlink --face FACE [--code-page N]\n"
    "  pelorin backup --face FACE --out FILE\n"
    "  pelorin pfi-pack FONT... (--codes RANGE[,RANGE...] | --map FILE) --out LIB.pfi\n"
    "                 [--code-page 936|950|0] [--em N] [--face-index N]\n",

    "用法：\n"
    "  pelorin                                  執行啟動時的EUDC設定（pfiFonts.ini）\n"
    "  pelorin pfi-info LIB.pfi\n"
    "  pelorin make-eudc LIB.pfi OUT.tte [--code-page N] [--language ID] [--base-face FACE] [--smooth]\n"
    "  pelorin import --face FACE --library LIB.pfi [--eudc OUT.tte] [--font-out OUT.ttf]\n"
    "                 [--mode 0|1|2] [--precedence 0|1] [--smooth] [--code-page N]\n"
    "  pelorin manager                          開啟字型管理表視窗\n"
    "  pelorin list [--all]                     廠商的字型；--all：所有含中日韓漢字的字型\n"
    "  pelorin link --face FACE --eudc FILE [--code-page N]\n"
    "  pelorin unlink --face FACE [--code-page N]\n"
    "  pelorin backup --face FACE --out FILE\n"
    "  pelorin pfi-pack FONT... (--codes RANGE[,RANGE...] | --map FILE) --out LIB.pfi\n"
    "                 [--code-page 936|950|0] [--em N] [--face-index N]\n",

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
    "                 [--code-page 936|950|0] [--em N] [--face-index N]\n",
};

const Texts kHelp{
    "Pelorin字体引擎：读取PFI字形库，写出EUDC字体和合并后的字体副本，并把EUDC字体\n"
    "链接到字体上。不带命令时，链接pfiFonts.ini中列出的EUDC字体后结束。\n"
    "\n"
    "  pelorin --help                           本说明\n"
    "  pelorin --version                        版本号\n"
    "\n"
    "按Ctrl+C可中断引入，所有文件和链接保持原样。\n"
    "\n"
    "退出状态：0 成功，1 操作失败（已显示其消息），2 用法错误，\n"
    "          3 引入已取消，\n"
    "          4 pfi-pack --map 写出的字库缺少映射表中的编码（均已列出）\n",

    "Pelorin字型引擎：讀取PFI字形庫，寫出EUDC字型和合併後的字型副本，並把EUDC字型\n"
    "連結到字型上。不帶命令時，連結pfiFonts.ini中列出的EUDC字型後結束。\n"
    "\n"
    "  pelorin --help                           本說明\n"
    "  pelorin --version                        版本號\n"
    "\n"
    "按Ctrl+C可中斷引入，所有檔案和連結保持原樣。\n"
    "\n"
    "結束狀態：0 成功，1 操作失敗（已顯示其訊息），2 用法錯誤，\n"
    "          3 引入已取消，\n"
    "          4 pfi-pack --map 寫出的字庫缺少對照表中的編碼（均已列出）\n",

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
    "             4 pfi-pack --map wrote a library that lacks codes of the map (each was named)\n",
};

namespace {

using ParseResult = lumenar::Result<Command, UsageError>;

// A usage error whose reason is joined from its parts.
template <class... Parts>
UsageError usage(const Parts&... parts) {
    return UsageError{fonts::text(parts...)};
}

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
                return lumenar::Result<Arguments, UsageError>::failure(usage(arg, message::kNeedsValue));
            if (out.options.contains(arg))
                return lumenar::Result<Arguments, UsageError>::failure(usage(arg, message::kGivenTwice));
            out.options[arg] = args[++i];
        } else {
            return lumenar::Result<Arguments, UsageError>::failure(
                usage(message::kUnknownOption, arg, message::kOptionOfCommand, args[0], message::kCloseParenthesis));
        }
    }
    return out;
}

// Reads an optional number option within [low, high].
lumenar::Status<UsageError> readNumber(const Arguments& a, const std::string& name, unsigned long low,
                                       unsigned long high, std::optional<unsigned long>& out) {
    const auto text = a.option(name);
    if (!text) return {};
    const auto value = parseNumber<unsigned long>(*text);
    if (!value || *value < low || *value > high)
        return lumenar::Status<UsageError>::failure(usage(name, message::kWantsNumberFrom, std::to_string(low),
                                                          message::kNumberTo, std::to_string(high),
                                                          message::kNumberEnd));
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
            usage(command, message::kTakes, std::to_string(count),
                  count == 1 ? message::kFileArgument : message::kFileArguments));
    return {};
}

lumenar::Status<UsageError> needOption(const Arguments& a, const std::string& name, const std::string& command) {
    if (!a.option(name)) return lumenar::Status<UsageError>::failure(usage(command, message::kNeedsOption, name));
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
    if (precedence && c.mode == 0) return ParseResult::failure(usage(message::kPrecedenceModes));
    if (c.fontOut && c.mode != 2) return ParseResult::failure(usage(message::kFontOutMode));
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
    if (a.positional.empty()) return ParseResult::failure(usage(message::kPackNeedsFonts));
    if (a.option("--codes").has_value() == a.option("--map").has_value())
        return ParseResult::failure(usage(message::kPackNeedsCodesOrMap));
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
        return ParseResult::failure(usage(message::kLibraryCodePages));
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
    if (args.size() > 1) return ParseResult::failure(usage(args[0], message::kTakesNoArguments));
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
        const auto first = parseNumber<unsigned long>(part.substr(0, dash), 16);
        const auto last = dash == std::string::npos ? first : parseNumber<unsigned long>(part.substr(dash + 1), 16);
        if (!first || !last || *first > 0xFFFF || *last > 0xFFFF || *last < *first)
            return R::failure(usage(message::kBadCodeRange, part, message::kCodeRangeForm));
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
    return ParseResult::failure(usage(message::kUnknownCommand, name, message::kCloseQuote));
}

}  // namespace pelorin::cli
