#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The table without its comment lines, which name the source versions.
std::vector<std::string> tableLines(const fs::path& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("//", 0) != 0) lines.push_back(line);
    }
    return lines;
}

TEST(Gb18030TwoByteTable, RegeneratesFromTheSystemCharmap) {
    const fs::path charmap = "/usr/share/i18n/charmaps/GB18030.gz";
    if (!fs::exists(charmap)) GTEST_SKIP() << "no GB18030 charmap (Debian package locales)";
    const fs::path source = fs::path(LUMENAR_SOURCE_DIR);
    const fs::path output = fs::path(LUMENAR_BINARY_DIR) / "Gb18030TwoByteTable.regenerated.cpp";
    const std::string command = "python3 '" + (source / "tools/gen_gb18030_table.py").string() + "' --charmap '" +
                                charmap.string() + "' --output '" + output.string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    const auto committed = tableLines(source / "tesvik/chars/generated/Gb18030TwoByteTable.cpp");
    ASSERT_FALSE(committed.empty());
    EXPECT_TRUE(tableLines(output) == committed);
}

}  // namespace
