#pragma once
// Where a page sends the character the user picked. The main window delivers
// it to the target program; the pages never know how.
#include "tesvik/chars/PackedChar.h"

#include <string>

namespace tesvik::program {

class CharacterOutput {
public:
    virtual ~CharacterOutput() = default;
    // Deliver to the program the user was typing in (double click, Enter,
    // Space, the custom area's button).
    virtual void outputCharacter(chars::PackedChar value) = 0;
    // "复制": put the character on the clipboard.
    virtual void copyCharacter(chars::PackedChar value) = 0;
    // The "复制" menu's code entries: put this text (UTF-8) on the clipboard.
    virtual void copyText(const std::string& utf8) = 0;
};

}  // namespace tesvik::program
