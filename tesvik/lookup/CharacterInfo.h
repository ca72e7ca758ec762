#pragma once
// Everything the shipped and the user's data know about one character: its
// codes, block and code space, its stroke and radical filings, readings and
// its population-register twin. What the info view and `tesvik-query info`
// show.
#include "tesvik/chars/CodeSpace.h"
#include "tesvik/chars/PackedChar.h"
#include "tesvik/messages/Messages.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tesvik::lookup {

// One filing in a stroke index.
struct StrokeFiling {
    int totalStrokes = 0;
    std::string firstStrokes;  // up to ten digits "1".."5"
    bool user = false;         // from the user's own table
    bool operator==(const StrokeFiling&) const = default;
};

// One filing in a radical index (or, for characters filed in none, the
// radical the pinyin data gives, without a remaining count).
struct RadicalFiling {
    chars::PackedChar radical = 0;
    std::optional<int> remainingStrokes;
    bool user = false;
    bool operator==(const RadicalFiling&) const = default;
};

struct CharacterInfo {
    chars::PackedChar value = 0;  // packed form
    std::string unicodeCode;      // "4E00"
    std::string gb18030Code;      // "D2BB"
    std::optional<MessageId> block;
    chars::CodeSpaceColour codeSpace = chars::CodeSpaceColour::Black;
    std::vector<StrokeFiling> strokes;
    std::vector<RadicalFiling> radicals;
    std::vector<std::string> readings;              // "yi1"
    std::optional<chars::PackedChar> standardTwin;  // of a register character
    std::optional<chars::PackedChar> registerTwin;  // of a standard character
};

struct CharacterDataFolders {
    std::filesystem::path data;  // the shipped files
    std::filesystem::path user;  // the user's own tables
};

// Missing or damaged files leave their part of the answer empty.
CharacterInfo describeCharacter(chars::PackedChar value, const CharacterDataFolders& folders);

// The first character of a UTF-8 text, packed; none for an empty or
// malformed text.
std::optional<chars::PackedChar> firstCharacterOf(std::string_view utf8);

}  // namespace tesvik::lookup
