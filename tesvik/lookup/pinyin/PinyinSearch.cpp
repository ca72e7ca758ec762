#include "tesvik/lookup/pinyin/PinyinSearch.h"

#include "tesvik/chars/BuiltInTables.h"
#include "tesvik/chars/PuaTables.h"
#include "tesvik/lookup/pinyin/generated/SpecialQueryList.h"

#include <algorithm>
#include <unordered_set>

namespace tesvik::lookup {

namespace {

bool isLetter(char c) { return c >= 'a' && c <= 'z'; }

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string lowered(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), lower);
    return out;
}

std::string_view trimmed(std::string_view text) {
    const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back())) text.remove_suffix(1);
    return text;
}

std::string_view toneDigits(PinyinTone tone) {
    switch (tone) {
        case PinyinTone::First:
            return "1";
        case PinyinTone::Second:
            return "2";
        case PinyinTone::Third:
            return "3";
        case PinyinTone::Fourth:
            return "4";
        case PinyinTone::Neutral:
            return "0";
        case PinyinTone::Any:
            return "01234";
    }
    return "";
}

bool isUnifiedIdeograph(chars::PackedChar v) { return v >= 0x4E00 && v <= 0x9FBB; }

std::vector<PinyinResult> specialQueryResults() {
    std::vector<PinyinResult> results;
    for (const std::uint16_t c : SpecialQueryList) {
        if (c >= 0x4E00 && c <= 0xE864 && !(c >= 0x9FA6 && c <= 0x9FFE)) results.push_back({c, 0});
    }
    return results;
}

// Extensions C to H: the data lists none of them that the Private Use Area
// set stands for, so they are listed as they are.
bool isBeyondExtensionB(std::uint32_t codePoint) { return codePoint >= 0x2A700; }

// Adds one entry as read: each character once (judged by the value as read),
// an Extension B character through its Private Use Area code point or not at
// all.
void addResult(PinyinResult read, std::unordered_set<chars::PackedChar>& seen, std::vector<PinyinResult>& results) {
    if (!seen.insert(read.value).second) return;
    if (!chars::isPackedPair(read.value) || isBeyondExtensionB(chars::codePointOf(read.value))) {
        results.push_back(read);
        return;
    }
    if (const auto pua = chars::puaOfStandard(chars::codePointOf(read.value))) {
        results.push_back({*pua, read.itemText});
    }
}

}  // namespace

PinyinTextCheck checkPinyinText(std::string_view text) {
    PinyinTextCheck check{lowered(text), std::nullopt, std::nullopt};
    const auto bad = std::find_if_not(check.lowered.begin(), check.lowered.end(), isLetter);
    if (bad != check.lowered.end()) {
        check.badAt = static_cast<std::size_t>(bad - check.lowered.begin());
        Message m = message(MessageId::InvalidPinyin);
        const auto at = m.text.find("%s");
        if (at != std::string::npos) m.text.replace(at, 2, check.lowered);
        check.error = std::move(m);
    }
    return check;
}

std::vector<std::string> pinyinKeys(std::string_view text, PinyinTone tone) {
    std::vector<std::string> keys;
    for (const char digit : toneDigits(tone)) {
        std::string key = std::string(text) + digit;
        if (key.size() > 1 && key[1] == 'v' && std::string_view("jqxy").find(key[0]) != std::string_view::npos) {
            key[1] = 'u';
        }
        keys.push_back(std::move(key));
    }
    return keys;
}

lumenar::Result<std::vector<PinyinResult>, Message> searchPinyin(std::string_view text, PinyinTone tone,
                                                                 const PinyinIndex& index,
                                                                 const PinyinEntries& entries) {
    const std::string query = lowered(trimmed(text));
    if (query == kSpecialQueryText) return specialQueryResults();
    if (query.empty() || !isLetter(query[0])) {
        return lumenar::Result<std::vector<PinyinResult>, Message>::failure(message(MessageId::DataFilesMissing));
    }
    std::vector<PinyinResult> results;
    std::unordered_set<chars::PackedChar> seen;
    for (const std::string& key : pinyinKeys(query, tone)) {
        const auto range = index.find(key);
        if (!range) continue;
        for (const PinyinResult& read : entries.entries(*range)) addResult(read, seen, results);
    }
    return results;
}

std::vector<PinyinResult> pinyinGridItems(std::span<const PinyinResult> results, bool outsideGbkOnly) {
    std::vector<PinyinResult> items;
    for (const PinyinResult& r : results) {
        if (!outsideGbkOnly || (!isUnifiedIdeograph(r.value) && r.value != 0)) items.push_back(r);
        if (!isUnifiedIdeograph(r.value)) continue;
        if (const auto twin = chars::compatTwinOfUnified(r.value)) items.push_back({*twin, 0});
    }
    return items;
}

}  // namespace tesvik::lookup
