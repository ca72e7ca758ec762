#pragma once

// The readings and the radical of the character selected on the pinyin page.

#include "tesvik/display/PackedChar.h"
#include "tesvik/display/PinyinByCodeFile.h"

#include <string>
#include <string_view>
#include <vector>

namespace tesvik {

// The readings list: a Private Use Area character or compatibility ideograph
// is read through the standard character it stands for (one empty entry
// when it has none, or when the file has no record of it); a character
// without readings shows the query text, except for the special query.
std::vector<std::string> pinyinReadingsOf(PackedChar v, PinyinByCodeFile& file, std::string_view queryText);

// The radical box: from PuaRadicalMap for E000-FA29, else from the file; 0
// when there is none.
PackedChar pinyinRadicalOf(PackedChar v, PinyinByCodeFile& file);

}  // namespace tesvik
