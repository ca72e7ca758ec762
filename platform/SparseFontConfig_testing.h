#pragma once
// A fontconfig configuration whose only font is the test font
// tests/fixtures/fonts/sparse.ttf ("Lumenar Sparse Test"), which draws
// A, 一, 丁, U+3400, U+20000 and U+E000 and nothing else.
#include "common/testing/ScratchDirectory.h"

#include <filesystem>
#include <string>

namespace platform::testing {

inline constexpr const char* kSparseFontFamily = "Lumenar Sparse Test";

class SparseFontConfig {
public:
    SparseFontConfig() {
        folder_.write("fonts.conf",
                      "<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">\n"
                      "<fontconfig>\n  <dir>" LUMENAR_FIXTURES_DIR "/fonts</dir>\n  <cachedir>" +
                          (folder_ / "cache").string() + "</cachedir>\n</fontconfig>\n");
    }
    std::filesystem::path file() const { return folder_ / "fonts.conf"; }

private:
    lumenar::testing::ScratchDirectory folder_;
};

}  // namespace platform::testing
