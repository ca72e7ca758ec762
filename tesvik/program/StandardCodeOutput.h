#pragma once
// "输出标准编码": in front of the main window's output, a population-register
// character (a Private Use Area code of the register) is output and copied as
// the standard character it stands for. The Private Use Area code is private
// to the register; the standard code point reads the same everywhere.
#include "tesvik/program/CharacterOutput.h"
#include "tesvik/program/Settings.h"

namespace tesvik::program {

// The standard character of a register character, packed like the value;
// any other value unchanged.
chars::PackedChar standardCodeOf(chars::PackedChar value);

class StandardCodeOutput : public CharacterOutput {
public:
    // Follows `settings` (its standardCode) at every call.
    StandardCodeOutput(CharacterOutput& next, const Settings& settings) : next_(next), settings_(settings) {}

    void outputCharacter(chars::PackedChar value) override { next_.outputCharacter(delivered(value)); }
    void copyCharacter(chars::PackedChar value) override { next_.copyCharacter(delivered(value)); }
    // The code entries copy what the user chose, as chosen.
    void copyText(const std::string& utf8) override { next_.copyText(utf8); }

private:
    chars::PackedChar delivered(chars::PackedChar value) const {
        return settings_.standardCode != 0 ? standardCodeOf(value) : value;
    }

    CharacterOutput& next_;
    const Settings& settings_;
};

}  // namespace tesvik::program
