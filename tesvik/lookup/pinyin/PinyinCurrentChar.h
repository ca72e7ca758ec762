#pragma once

// The readings and the radical of the character selected on the pinyin page.

#include "tesvik/chars/PackedChar.h"
#include "tesvik/lookup/pinyin/PinyinByCodeFile.h"

#include <string>
#include <string_view>
#include <vector>

namespace tesvik::lookup {

// The readings list: a Private Use Area character or compatibility ideograph
// is read through the standard character it stands for (one empty entry
// when it has none, or when the file has no record of it); a character
// without readings shows the query text, except for the special query.
std::vector<std::string> pinyinReadingsOf(chars::PackedChar v, PinyinByCodeFile& file, std::string_view queryText);

// The radical box: from PuaRadicalMap for E000-FA29, else from the file; 0
// when there is none.
chars::PackedChar pinyinRadicalOf(chars::PackedChar v, PinyinByCodeFile& file);

}  // namespace tesvik::lookup
