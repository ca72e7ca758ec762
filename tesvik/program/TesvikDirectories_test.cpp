#include "tesvik/program/TesvikDirectories.h"

#include <gtest/gtest.h>

namespace tesvik::program {
namespace {

const platform::Environment kHomeOnly{{{"HOME", "/home/u"}}};
const platform::Environment kXdgSet{{{"HOME", "/home/u"}, {"XDG_CONFIG_HOME", "/cfg"}, {"XDG_DATA_HOME", "/dat"}}};

TEST(SettingsDirectory, ParentOfTheInstallFolderElseTheConfigDirectory) {
    struct Case {
        std::filesystem::path program;
        const platform::Environment& env;
        std::filesystem::path expected;
    };
    const Case cases[] = {
        {"/opt/Tesvik-gb13000/tesvik", kHomeOnly, "/opt/"},
        {"/opt/apps/TESVIK-GB13000/bin/tesvik", kHomeOnly, "/opt/apps/"},          // any case, spelling kept
        {"\"/opt/Tesvik-gb13000/tesvik", kHomeOnly, "/opt/"},                      // a leading quote is dropped
        {"/a/Tesvik-gb13000/b/Tesvik-gb13000/tesvik", kHomeOnly, "/a/"},           // the first one counts
        {"/opt/Tesvik-gb13000-old/tesvik", kHomeOnly, "/home/u/.config/tesvik/"},  // a folder of another name
        {"/opt/tesvik/Tesvik-gb13000", kHomeOnly, "/home/u/.config/tesvik/"},      // the program, not a folder
        {"/usr/bin/tesvik", kHomeOnly, "/home/u/.config/tesvik/"},
        {"/usr/bin/tesvik", kXdgSet, "/cfg/tesvik/"},
    };
    for (const Case& c : cases) EXPECT_EQ(settingsDirectory(c.program, c.env), c.expected) << c.program;
}

TEST(ResolveDirectories, PortableLayoutInstalledLayoutAndOverrides) {
    struct Case {
        const char* name;
        std::filesystem::path program;
        bool shippedFilesBesideProgram;
        DirectoryOverrides overrides;
        TesvikDirectories expected;
    };
    const Case cases[] = {
        {"portable",
         "/home/u/Tesvik-gb13000/tesvik",
         true,
         {},
         {"/home/u/", "/home/u/Tesvik-gb13000/", "/home/u/Tesvik-gb13000/", true}},
        {"installed",
         "/usr/local/bin/tesvik",
         false,
         {},
         {"/cfg/tesvik/", "/usr/local/share/tesvik/", "/dat/tesvik/", false}},
        {"overridden", "/usr/local/bin/tesvik", false, {"/d", "/u/"}, {"/cfg/tesvik/", "/d/", "/u/", false}},
        {"portable overridden", "/p/tesvik", true, {std::nullopt, "/u"}, {"/cfg/tesvik/", "/p/", "/u/", true}},
    };
    for (const Case& c : cases) {
        const DirectoryInputs inputs{c.program, kXdgSet, "/usr/local", c.overrides};
        const auto exists = [&](const std::filesystem::path& file) {
            return c.shippedFilesBesideProgram && file == programDirectory(c.program) / kPortableMarkerFile;
        };
        const TesvikDirectories dirs = resolveDirectories(inputs, exists);
        EXPECT_EQ(dirs.settings, c.expected.settings) << c.name;
        EXPECT_EQ(dirs.data, c.expected.data) << c.name;
        EXPECT_EQ(dirs.user, c.expected.user) << c.name;
        EXPECT_EQ(dirs.portable, c.expected.portable) << c.name;
    }
}

TEST(ResolveDirectories, SettingsFileLiesInTheSettingsDirectory) {
    const auto dirs = resolveDirectories({"/usr/bin/tesvik", kHomeOnly, "/usr", {}}, [](auto&) { return false; });
    EXPECT_EQ(settingsFile(dirs), "/home/u/.config/tesvik/Tesvik.ini");
}

}  // namespace
}  // namespace tesvik::program
