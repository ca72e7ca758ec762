#include "tesvik/chars/CodeText.h"
#include "tesvik/chars/CodeValue.h"
#include "tesvik/lookup/pinyin/PinyinByCodeFile.h"
#include "tesvik/lookup/pinyin/PinyinCurrentChar.h"
#include "tesvik/lookup/pinyin/PinyinSearch.h"
#include "tesvik/lookup/symbol/SymbolLookup.h"
#include "tesvik/lookup/symbol/SymbolSubsetTable.h"
#include "tools/tesvik-query/Commands.h"

namespace tesvik::query {

namespace {

// A tone as pinyin numbers it: 1 to 4, 5 or 0 for 轻声, "any" for 不限声调.
std::optional<lookup::PinyinTone> toneNamed(const std::string& text) {
    if (text == "any") return lookup::PinyinTone::Any;
    if (text.size() != 1) return std::nullopt;
    switch (text[0]) {
        case '1':
            return lookup::PinyinTone::First;
        case '2':
            return lookup::PinyinTone::Second;
        case '3':
            return lookup::PinyinTone::Third;
        case '4':
            return lookup::PinyinTone::Fourth;
        case '5':
        case '0':
            return lookup::PinyinTone::Neutral;
        default:
            return std::nullopt;
    }
}

int runPinyin(const CommandLine& line, QueryContext& context) {
    if (line.positional.size() != 1) return usageError(context, "pinyin needs one TEXT");
    const auto tone = toneNamed(line.option("tone").value_or("1"));  // the page starts on 阴平
    if (!tone) return usageError(context, "--tone is 1 to 4, 5 or 0 (轻声), or any");

    const lookup::PinyinTextCheck checked = lookup::checkPinyinText(line.positional.front());
    if (checked.error) return reportMessage(context, *checked.error);

    const auto index = lookup::PinyinIndex::load(context.dataDir / "pinyin.idx");
    if (!index) return reportMessage(context, index.error());
    const auto entries = lookup::PinyinEntries::load(context.dataDir / "pinyin.data");
    if (!entries) return reportMessage(context, entries.error());

    const auto found = lookup::searchPinyin(checked.lowered, *tone, index.value(), entries.value());
    if (!found) return reportMessage(context, found.error());
    for (const lookup::PinyinResult& item : lookup::pinyinGridItems(found.value(), line.has("outside-gbk"))) {
        // Items of the special query carry no marker byte.
        printCandidate(context, item.value, item.itemText != 0 ? std::optional<char>(item.itemText) : std::nullopt);
    }
    return kExitSuccess;
}

std::optional<std::uint32_t> singleHexValue(const CommandLine& line) {
    if (line.positional.size() != 1) return std::nullopt;
    return chars::parseHexValue(line.positional.front());
}

int runReadings(const CommandLine& line, QueryContext& context) {
    const auto value = singleHexValue(line);
    if (!value) return usageError(context, "readings needs one hexadecimal VALUE");
    auto file = lookup::PinyinByCodeFile::open(context.dataDir / "pinyindataorderbycode.data");
    if (!file) return reportMessage(context, file.error());

    for (const std::string& reading : lookup::pinyinReadingsOf(*value, file.value(), "")) {
        context.terminal.out << reading << '\n';
    }
    const chars::PackedChar radical = lookup::pinyinRadicalOf(*value, file.value());
    if (radical != 0) context.terminal.out << chars::unicodeCodeText(radical) << '\t' << characterText(radical) << '\n';
    return kExitSuccess;
}

int runSymbols(const CommandLine& line, QueryContext& context) {
    std::size_t index = 0;
    if (line.positional.size() != 1 || line.positional.front().empty() ||
        line.positional.front().find_first_not_of("0123456789") != std::string::npos ||
        (index = std::stoul(line.positional.front())) >= lookup::SymbolSubsetTable.size()) {
        return usageError(
            context, "symbols needs a subset INDEX from 0 to " + std::to_string(lookup::SymbolSubsetTable.size() - 1));
    }
    for (const std::uint32_t value : lookup::symbolSubsetCharacters(index))
        printCandidate(context, value, std::nullopt);
    return kExitSuccess;
}

int runSymbolRow(const CommandLine& line, QueryContext& context) {
    const auto value = singleHexValue(line);
    if (!value) return usageError(context, "symbol-row needs one hexadecimal VALUE");
    const auto row = lookup::symbolSubsetOf(*value);
    if (row) context.terminal.out << *row << '\t' << lookup::SymbolSubsetTable[*row].name << '\n';
    return kExitSuccess;
}

}  // namespace

std::vector<Command> pinyinSymbolCommands() {
    return {
        {"pinyin", "TEXT [--tone 1-5|0|any] [--outside-gbk]", {{"tone"}, {"outside-gbk"}}, runPinyin},
        {"readings", "HEX", {}, runReadings},
        {"symbols", "INDEX", {}, runSymbols},
        {"symbol-row", "HEX", {}, runSymbolRow},
    };
}

}  // namespace tesvik::query
