#include "platform/FileReplacement.h"

#include <gtest/gtest.h>
#include "common/testing/ScratchDirectory.h"

#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <sstream>
#include <vector>

namespace platform {
namespace {

enum class Step { Create, Write, SyncFile, Close, Rename, SyncFolder };

// The system's calls, except that one chosen step fails with a chosen error
// and writes may be cut short.
class FailingCalls : public FileSystemCalls {
public:
    FailingCalls(std::optional<Step> failing, int error, std::size_t mostPerWrite = SIZE_MAX)
        : failing_(failing), error_(error), mostPerWrite_(mostPerWrite) {}

    int createExclusive(const std::filesystem::path& file) override {
        return fails(Step::Create) ? failure() : real().createExclusive(file);
    }
    ssize_t write(int fd, const void* data, std::size_t size) override {
        return fails(Step::Write) ? failure() : real().write(fd, data, std::min(size, mostPerWrite_));
    }
    int syncFile(int fd) override { return fails(Step::SyncFile) ? failure() : real().syncFile(fd); }
    int close(int fd) override {
        const int rc = real().close(fd);  // the descriptor is gone even when close reports an error
        return fails(Step::Close) ? failure() : rc;
    }
    int rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
        return fails(Step::Rename) ? failure() : real().rename(from, to);
    }
    int syncFolder(const std::filesystem::path& folder) override {
        return fails(Step::SyncFolder) ? failure() : real().syncFolder(folder);
    }

private:
    static FileSystemCalls& real() { return systemFileCalls(); }
    bool fails(Step step) const { return failing_ == step; }
    int failure() const {
        errno = error_;
        return -1;
    }

    std::optional<Step> failing_;
    int error_;
    std::size_t mostPerWrite_;
};

class FileReplacementTest : public ::testing::Test {
protected:
    void TearDown() override {
        std::filesystem::permissions(dir_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add);
    }

    static void put(const std::filesystem::path& file, const std::string& content) {
        std::ofstream(file, std::ios::binary) << content;
    }
    static std::string contentOf(const std::filesystem::path& file) {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }
    static unsigned permissionsOf(const std::filesystem::path& file) {
        struct stat info {};
        EXPECT_EQ(::stat(file.c_str(), &info), 0);
        return info.st_mode & 07777;
    }
    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir_)) names.push_back(entry.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    }

    lumenar::testing::ScratchDirectory scratch_;
    std::filesystem::path dir_ = scratch_.path();
};

TEST_F(FileReplacementTest, AFailedStepLeavesTheOldFileAndNoTemporary) {
    struct Case {
        Step step;
        int error;
    };
    for (const Case& c : {Case{Step::Create, EACCES}, Case{Step::Write, ENOSPC}, Case{Step::SyncFile, EIO},
                          Case{Step::Close, EDQUOT}, Case{Step::Rename, EXDEV}}) {
        SCOPED_TRACE(static_cast<int>(c.step));
        const auto target = dir_ / "settings.ini";
        put(target, "old content");
        FailingCalls calls(c.step, c.error);

        const auto replaced = replaceFile(target, std::string_view("new content"), calls);

        ASSERT_FALSE(replaced);
        EXPECT_EQ(replaced.error().path, target);
        EXPECT_NE(replaced.error().reason.find(std::strerror(c.error)), std::string::npos) << replaced.error().reason;
        EXPECT_EQ(contentOf(target), "old content");
        EXPECT_EQ(entries(), std::vector<std::string>{"settings.ini"});
    }
}

TEST_F(FileReplacementTest, AFailedFolderSyncComesAfterTheNewContentIsInPlace) {
    const auto target = dir_ / "settings.ini";
    put(target, "old content");
    FailingCalls calls(Step::SyncFolder, EIO);
    EXPECT_TRUE(replaceFile(target, std::string_view("new content"), calls));
    EXPECT_EQ(contentOf(target), "new content");
    EXPECT_EQ(entries(), std::vector<std::string>{"settings.ini"});
}

TEST_F(FileReplacementTest, ShortWritesAreContinued) {
    const auto target = dir_ / "font.tte";
    const std::vector<std::uint8_t> bytes{0, 1, 0, 0, 0xFF, 0x10, 0x20, 0x30, 0x40, 0x50, 0x60};
    FailingCalls calls(std::nullopt, 0, 3);
    ASSERT_TRUE(replaceFile(target, bytes, calls));
    EXPECT_EQ(contentOf(target), std::string(bytes.begin(), bytes.end()));
}

TEST_F(FileReplacementTest, AnExistingFileKeepsItsPermissions) {
    const auto target = dir_ / "registry";
    put(target, "old");
    std::filesystem::permissions(target, static_cast<std::filesystem::perms>(0640));
    ASSERT_TRUE(replaceFile(target, std::string_view("new")));
    EXPECT_EQ(contentOf(target), "new");
    EXPECT_EQ(permissionsOf(target), 0640u);
}

TEST_F(FileReplacementTest, ANewFileIsCreatedWithTheUsualPermissions) {
    const mode_t previous = ::umask(027);
    const auto replaced = replaceFile(dir_ / "new.conf", std::string_view("text"));
    ::umask(previous);
    ASSERT_TRUE(replaced);
    EXPECT_EQ(contentOf(dir_ / "new.conf"), "text");
    EXPECT_EQ(permissionsOf(dir_ / "new.conf"), 0640u);
    EXPECT_EQ(entries(), std::vector<std::string>{"new.conf"});
}

TEST_F(FileReplacementTest, AMissingFolderIsReportedAtBegin) {
    const auto missing = FileReplacement::begin(dir_ / "absent" / "x.tte");
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.error().path, dir_ / "absent" / "x.tte");
    EXPECT_NE(missing.error().reason.find(std::strerror(ENOENT)), std::string::npos);
}

TEST_F(FileReplacementTest, AnUnwritableFolderIsReportedAtBegin) {
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not stop root";
    std::filesystem::permissions(dir_, static_cast<std::filesystem::perms>(0500));
    const auto unwritable = FileReplacement::begin(dir_ / "x.tte");
    ASSERT_FALSE(unwritable);
    EXPECT_NE(unwritable.error().reason.find(std::strerror(EACCES)), std::string::npos);
}

TEST_F(FileReplacementTest, StreamedContentReplacesTheFileOnlyAtCommit) {
    const auto target = dir_ / "merged.ttf";
    put(target, "old");
    auto replacement = FileReplacement::begin(target);
    ASSERT_TRUE(replacement);
    const auto temporary = replacement->temporaryPath();
    EXPECT_EQ(temporary.parent_path(), dir_);
    EXPECT_TRUE(std::filesystem::exists(temporary));
    ASSERT_TRUE(replacement->write(std::string_view("first ")));
    ASSERT_TRUE(replacement->write(std::string_view("second")));
    EXPECT_EQ(contentOf(target), "old");

    ASSERT_TRUE(replacement->commit());
    EXPECT_EQ(contentOf(target), "first second");
    EXPECT_EQ(entries(), std::vector<std::string>{"merged.ttf"});
    EXPECT_FALSE(replacement->commit());
}

TEST_F(FileReplacementTest, DroppingOrReassigningWithoutCommitRemovesTheTemporary) {
    const auto target = dir_ / "font.tte";
    put(target, "old");
    {
        auto first = FileReplacement::begin(target);
        auto second = FileReplacement::begin(target);
        ASSERT_TRUE(first && second);
        EXPECT_NE(first->temporaryPath(), second->temporaryPath());
        ASSERT_TRUE(first->write(std::string_view("half")));
        EXPECT_EQ(entries().size(), 3u);
        *first = std::move(*second);  // the first one's temporary goes now
        EXPECT_EQ(entries().size(), 2u);
    }
    EXPECT_EQ(contentOf(target), "old");
    EXPECT_EQ(entries(), std::vector<std::string>{"font.tte"});
}

TEST_F(FileReplacementTest, AFailedWriteIsWhatCommitReports) {
    const auto target = dir_ / "library.pfi";
    put(target, "old");
    FailingCalls calls(Step::Write, ENOSPC);
    auto replacement = FileReplacement::begin(target, calls);
    ASSERT_TRUE(replacement);
    EXPECT_FALSE(replacement->write(std::string_view("part")));
    EXPECT_FALSE(replacement->write(std::string_view("more")));
    const auto committed = replacement->commit();
    ASSERT_FALSE(committed);
    EXPECT_EQ(committed.error().reason, std::strerror(ENOSPC));
    EXPECT_EQ(contentOf(target), "old");
    EXPECT_EQ(entries(), std::vector<std::string>{"library.pfi"});
}

TEST_F(FileReplacementTest, ATargetWithALongNameGetsATemporaryTheSystemAccepts) {
    const auto target = dir_ / std::string(250, 'n');
    ASSERT_TRUE(replaceFile(target, std::string_view("text")));
    EXPECT_EQ(contentOf(target), "text");
}

TEST_F(FileReplacementTest, MissingFoldersAreCreatedOnRequest) {
    const auto target = dir_ / "a" / "b" / "entry.desktop";
    ASSERT_TRUE(createFoldersFor(target));
    EXPECT_TRUE(replaceFile(target, std::string_view("[Desktop Entry]\n")));

    put(dir_ / "plain", "");
    const auto blocked = createFoldersFor(dir_ / "plain" / "x" / "entry.desktop");
    ASSERT_FALSE(blocked);
    EXPECT_EQ(blocked.error().path, dir_ / "plain" / "x");
}

}  // namespace
}  // namespace platform
