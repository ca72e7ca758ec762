#include "pelorin/ui/HelpDocumentPath.h"

#include <gtest/gtest.h>

#include <fstream>
#include <unistd.h>

namespace pelorin::ui {
namespace {

namespace fs = std::filesystem;

TEST(HelpDocumentPath, BesideTheProgramFirstThenUnderItsPrefix) {
    const fs::path root = fs::temp_directory_path() / ("pelorin-help-" + std::to_string(getpid()));
    const fs::path program = root / "bin" / "pelorin";
    const fs::path installed = root / "share" / "pelorin" / "help" / "index.html";
    const fs::path beside = root / "bin" / "help" / "index.html";
    fs::create_directories(installed.parent_path());
    fs::create_directories(beside.parent_path());

    EXPECT_EQ(pelorinHelpDocument(program), std::nullopt);
    std::ofstream(installed) << "<html></html>";
    EXPECT_EQ(pelorinHelpDocument(program), installed);
    std::ofstream(beside) << "<html></html>";
    EXPECT_EQ(pelorinHelpDocument(program), beside);
    fs::remove_all(root);
}

// `pelorin manager` run from the build tree shows the help of the source tree.
TEST(HelpDocumentPath, TheBuiltProgramFindsItsHelp) {
    const fs::path program = PELORIN_BUILT_PROGRAM;
    EXPECT_EQ(pelorinHelpDocument(program), program.parent_path() / "help" / "index.html");
}

}  // namespace
}  // namespace pelorin::ui
