#include "tesvik/program/StandardCodeOutput.h"

#include "tesvik/program/RecordingOutput_testing.h"

#include <gtest/gtest.h>

namespace tesvik::program {
namespace {

using testing::copyOf;
using testing::outputOf;

struct Case {
    chars::PackedChar picked;
    chars::PackedChar standard;  // delivered with the setting on
};

const Case kCases[] = {
    {0xE000, 0x3405},          // Extension A
    {0xE05C, 0xD861DECD},      // Extension B (U+286CD), as a packed pair
    {0xE650, 0xD86ADDD4},      // Extension C (U+2A9D4)
    {0xF5B0, 0xD866DC80},      // the register's last code (U+29880)
    {0xE00F, 0xE00F},          // a gap of the register
    {0xF5B1, 0xF5B1},          // past the register
    {0x4E00, 0x4E00},          // not a Private Use Area character
    {0xD840DC00, 0xD840DC00},  // U+20000, a standard character already
    {0, 0},
};

TEST(StandardCodeOutput, OutputAndCopyDeliverTheStandardCharacterWhenOn) {
    Settings settings;
    settings.standardCode = 1;
    testing::RecordingOutput recording;
    StandardCodeOutput output(recording, settings);
    for (const Case& c : kCases) {
        recording.requests.clear();
        output.outputCharacter(c.picked);
        output.copyCharacter(c.picked);
        EXPECT_EQ(recording.requests, (std::vector{outputOf(c.standard), copyOf(c.standard)})) << std::hex << c.picked;
    }
}

TEST(StandardCodeOutput, OffByDefaultAndFollowsTheSettingsInForce) {
    Settings settings;
    testing::RecordingOutput recording;
    StandardCodeOutput output(recording, settings);
    output.outputCharacter(0xE650);
    settings.standardCode = 1;  // the settings dialog confirmed
    output.copyCharacter(0xE650);
    settings.standardCode = 0;
    output.copyCharacter(0xE650);
    EXPECT_EQ(recording.requests, (std::vector{outputOf(0xE650), copyOf(0xD86ADDD4), copyOf(0xE650)}));
}

}  // namespace
}  // namespace tesvik::program
