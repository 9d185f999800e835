#include "platform/PreviousInstance.h"

#include "TestEnvironment.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using corvanta::TPreviousInstance;

namespace {

// Runs a second "copy" in a child process and reports whether it found us running.
bool childSeesAnotherCopy(const std::string& folder) {
    const pid_t child = fork();
    if (child == 0) {
        TPreviousInstance second(folder);
        second.CheckPreviousInstance();
        _exit(second.AlreadyRunning ? 3 : 0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 3;
}

// The child takes the lock, tells us, and holds it until we close the pipe.
struct LockingChild {
    pid_t pid = -1;
    int release = -1;

    explicit LockingChild(const std::string& folder) {
        int ready[2], hold[2];
        EXPECT_EQ(pipe(ready), 0);
        EXPECT_EQ(pipe(hold), 0);
        pid = fork();
        if (pid == 0) {
            close(ready[0]);
            close(hold[1]); // so the parent's close reaches us as end of file
            TPreviousInstance first(folder);
            first.CheckPreviousInstance();
            const char ok = first.MutexHandle >= 0 ? 'y' : 'n';
            [[maybe_unused]] auto w = write(ready[1], &ok, 1);
            char byte;
            [[maybe_unused]] auto r = read(hold[0], &byte, 1); // until the parent lets go
            _exit(0);
        }
        close(ready[1]);
        close(hold[0]);
        char ok = 0;
        EXPECT_EQ(read(ready[0], &ok, 1), 1);
        EXPECT_EQ(ok, 'y');
        close(ready[0]);
        release = hold[1];
    }
    void end() {
        close(release);
        waitpid(pid, nullptr, 0);
    }
};

TEST(PreviousInstance, FirstCopyHoldsThePerUserLock) {
    const std::string folder = corvanta::test::makeTempFolder("lock");
    TPreviousInstance first(folder);
    first.CheckPreviousInstance();
    EXPECT_FALSE(first.AlreadyRunning);
    EXPECT_GE(first.MutexHandle, 0);

    struct stat info {};
    ASSERT_EQ(stat((folder + "/Corvanta v.1.7.lock").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_TRUE(childSeesAnotherCopy(folder));
    close(first.MutexHandle);
}

TEST(PreviousInstance, SecondCopyIsToldAndKeepsNoHandle) {
    const std::string folder = corvanta::test::makeTempFolder("lock");
    LockingChild first(folder);
    TPreviousInstance second(folder);
    second.CheckPreviousInstance();
    EXPECT_TRUE(second.AlreadyRunning);
    EXPECT_EQ(second.MutexHandle, -1);
    first.end();

    // Once the first copy is gone, a new start runs normally.
    TPreviousInstance third(folder);
    third.CheckPreviousInstance();
    EXPECT_FALSE(third.AlreadyRunning);
    EXPECT_GE(third.MutexHandle, 0);
    close(third.MutexHandle);
}

TEST(PreviousInstance, DefaultFolderIsTheRuntimeFolder) {
    TPreviousInstance first;
    first.CheckPreviousInstance();
    EXPECT_GE(first.MutexHandle, 0);
    EXPECT_EQ(
        access((std::string(getenv("XDG_RUNTIME_DIR")) + "/Corvanta v.1.7.lock").c_str(), F_OK), 0);
    close(first.MutexHandle);
}

TEST(PreviousInstance, UnusableFolderLetsTheCopyRun) {
    TPreviousInstance copy(corvanta::test::testHome() + "/no/such/folder");
    copy.CheckPreviousInstance();
    EXPECT_FALSE(copy.AlreadyRunning);
    EXPECT_EQ(copy.MutexHandle, -1);
}

} // namespace
