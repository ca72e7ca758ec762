#include "platform/InstanceLock.h"

#include <gtest/gtest.h>
#include "common/testing/ScratchDirectory.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cstdlib>
#include <fstream>

namespace platform {
namespace {

class InstanceLockTest : public ::testing::Test {
protected:
    InstanceLockTest() { env_.variables["XDG_RUNTIME_DIR"] = runtime_.string(); }

    lumenar::testing::ScratchDirectory scratch_;
    std::filesystem::path runtime_ = scratch_.path();
    Environment env_;
};

TEST_F(InstanceLockTest, SecondAcquireFailsWhileFirstIsHeld) {
    auto first = InstanceLock::acquire("Tesvik", env_);
    ASSERT_TRUE(first.ok());
    EXPECT_TRUE(first->held());
    EXPECT_EQ(first->lockFile(), runtime_ / "Tesvik.lock");
    auto second = InstanceLock::acquire("Tesvik", env_);
    ASSERT_FALSE(second.ok());
    EXPECT_EQ(second.error().lockFile, runtime_ / "Tesvik.lock");
    EXPECT_TRUE(InstanceLock::acquire("Pelorin", env_).ok());
}

TEST_F(InstanceLockTest, ReleasedWhenTheHolderGoes) {
    {
        auto first = InstanceLock::acquire("Tesvik", env_);
        ASSERT_TRUE(first.ok());
        InstanceLock moved = std::move(first.value());
        EXPECT_FALSE(InstanceLock::acquire("Tesvik", env_).ok());
    }
    EXPECT_TRUE(InstanceLock::acquire("Tesvik", env_).ok());
}

TEST_F(InstanceLockTest, AnotherLivingProcessBlocksAndItsEndReleases) {
    int ready[2];
    int finish[2];
    ASSERT_EQ(::pipe(ready), 0);
    ASSERT_EQ(::pipe(finish), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        auto lock = InstanceLock::acquire("Tesvik", env_);
        const char state = lock.ok() ? 'y' : 'n';
        if (::write(ready[1], &state, 1) != 1) ::_exit(2);
        char ignored;
        if (::read(finish[0], &ignored, 1) < 0) ::_exit(2);
        ::_exit(0);  // ends without releasing anything itself
    }
    char state = 0;
    ASSERT_EQ(::read(ready[0], &state, 1), 1);
    ASSERT_EQ(state, 'y');
    EXPECT_FALSE(InstanceLock::acquire("Tesvik", env_).ok());
    ASSERT_EQ(::write(finish[1], "x", 1), 1);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(InstanceLock::acquire("Tesvik", env_).ok());
    for (int fd : {ready[0], ready[1], finish[0], finish[1]}) ::close(fd);
}

TEST_F(InstanceLockTest, StaleFileOfDeadProcessDoesNotBlock) {
    std::ofstream(runtime_ / "Tesvik.lock") << "999999\n";
    auto lock = InstanceLock::acquire("Tesvik", env_);
    ASSERT_TRUE(lock.ok());
    EXPECT_TRUE(lock->held());
    std::ifstream file(runtime_ / "Tesvik.lock");
    std::string pid;
    file >> pid;
    EXPECT_EQ(pid, std::to_string(::getpid()));
}

TEST_F(InstanceLockTest, WithoutRuntimeDirectoryUsesPrivateFolderInTmp) {
    Environment env;
    const std::filesystem::path directory = instanceLockDirectory("Tesvik-LockTest", env);
    EXPECT_EQ(directory, std::filesystem::path("/tmp/tesvik-locktest-" + std::to_string(::getuid())));
    {
        auto first = InstanceLock::acquire("Tesvik-LockTest", env);
        ASSERT_TRUE(first.ok());
        EXPECT_TRUE(first->held());
        struct stat info {};
        ASSERT_EQ(::stat(directory.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0700u);
        EXPECT_FALSE(InstanceLock::acquire("Tesvik-LockTest", env).ok());
    }
    std::filesystem::remove_all(directory);
}

TEST_F(InstanceLockTest, FallbackFolderThatOthersCanWriteIsNotUsed) {
    Environment env;
    const std::filesystem::path directory = instanceLockDirectory("Tesvik-Open", env);
    std::filesystem::remove_all(directory);
    ASSERT_EQ(::mkdir(directory.c_str(), 0777), 0);
    ASSERT_EQ(::chmod(directory.c_str(), 0777), 0);
    auto lock = InstanceLock::acquire("Tesvik-Open", env);
    ASSERT_TRUE(lock.ok());
    EXPECT_FALSE(lock->held());
    EXPECT_NE(lock->problem().find("writable by other users"), std::string::npos);
    std::filesystem::remove_all(directory);
}

TEST_F(InstanceLockTest, UnusableRuntimeDirectoryLetsTheProgramRun) {
    env_.variables["XDG_RUNTIME_DIR"] = (runtime_ / "missing").string();
    auto lock = InstanceLock::acquire("Tesvik", env_);
    ASSERT_TRUE(lock.ok());
    EXPECT_FALSE(lock->held());
    EXPECT_FALSE(lock->problem().empty());
}

}  // namespace
}  // namespace platform
