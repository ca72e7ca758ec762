#pragma once

// The pinyin query: a syllable and a tone give every character with that
// reading; Extension B characters are listed through the Private Use Area
// code points of the population-register font, characters of Extensions C
// to H as they are.

#include "common/Result.h"
#include "tesvik/lookup/pinyin/PinyinEntries.h"
#include "tesvik/lookup/pinyin/PinyinIndex.h"
#include "tesvik/messages/Messages.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tesvik::lookup {

// The entries of the tone list, in list order.
enum class PinyinTone { First = 0, Second, Third, Fourth, Neutral, Any };

// The query text as typed, checked before a query runs.
struct PinyinTextCheck {
    std::string lowered;               // the text lower-cased
    std::optional<std::size_t> badAt;  // first character outside a-z
    std::optional<Message> error;      // InvalidPinyin with the text
};
PinyinTextCheck checkPinyinText(std::string_view text);

// The keys a query searches: the text with each tone digit of the tone, in
// search order ("jv", "qv", "xv", "yv" become "ju", "qu", "xu", "yu").
std::vector<std::string> pinyinKeys(std::string_view text, PinyinTone tone);

// The query text that lists SpecialQueryList.
inline constexpr std::string_view kSpecialQueryText = "zzzz";

// The result list of a query, in the order found, each character once. A
// text that does not begin with a-z reports DataFilesMissing.
lumenar::Result<std::vector<PinyinResult>, Message> searchPinyin(std::string_view text, PinyinTone tone,
                                                                 const PinyinIndex& index,
                                                                 const PinyinEntries& entries);

// The grid items of a result list: with outsideGbkOnly, the unified
// ideographs 4E00-9FBB are left out; a unified ideograph with a
// compatibility twin is followed by the twin in either case.
std::vector<PinyinResult> pinyinGridItems(std::span<const PinyinResult> results, bool outsideGbkOnly);

}  // namespace tesvik::lookup
