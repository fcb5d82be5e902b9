#include "../export/TemporaryFolder.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <set>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace cardgen {
namespace {

using testing::TemporaryFolder;

// The executable with the arguments, its standard streams on the given descriptors
// and the stop signals at their defaults whatever this process does with them.
pid_t spawnCli(const std::vector<std::string>& args, int out, int err) {
    std::vector<char*> argv;
    std::string program = CARDGEN_CLI_PATH;
    argv.push_back(program.data());
    std::vector<std::string> copies = args;
    for (std::string& arg : copies) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, out, 1);
    posix_spawn_file_actions_adddup2(&actions, err, 2);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t defaults;
    sigemptyset(&defaults);
    for (const int signal : {SIGINT, SIGTERM, SIGPIPE}) {
        sigaddset(&defaults, signal);
    }
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);

    pid_t pid = -1;
    const int result = posix_spawn(&pid, program.c_str(), &actions, &attributes, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    EXPECT_EQ(result, 0) << "cannot start " << program;
    return result == 0 ? pid : -1;
}

std::string readAll(int fd) {
    std::string text;
    char buffer[4096];
    ssize_t got = 0;
    while ((got = ::read(fd, buffer, sizeof buffer)) > 0) {
        text.append(buffer, static_cast<std::size_t>(got));
    }
    return text;
}

struct Pipe {
    int read = -1;
    int write = -1;
    Pipe() {
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) == 0) {
            read = fds[0];
            write = fds[1];
        }
    }
    ~Pipe() {
        closeRead();
        closeWrite();
    }
    void closeRead() {
        if (read >= 0) {
            ::close(read);
            read = -1;
        }
    }
    void closeWrite() {
        if (write >= 0) {
            ::close(write);
            write = -1;
        }
    }
};

// `cardgen-cli | head -c 100`: the reader leaves early and the run ends quietly
// with status 1, not killed by SIGPIPE.
TEST(CliProcess, ReaderThatLeavesEndsTheRunQuietly) {
    Pipe out;
    Pipe err;
    const pid_t pid = spawnCli({"--count", "2000000000"}, out.write, err.write);
    ASSERT_GT(pid, 0);
    out.closeWrite();
    err.closeWrite();
    char first[100];
    ASSERT_GT(::read(out.read, first, sizeof first), 0);
    out.closeRead();

    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_EQ(readAll(err.read), "");
}

// Ctrl-C in the middle of a long run into a file: the old file is kept, the
// unfinished one removed, and the process ends as the signal would end it.
TEST(CliProcess, InterruptedRunLeavesTheOldFile) {
    TemporaryFolder folder;
    const auto target = folder.path() / "list.txt";
    testing::writeFile(target, "old list\r\n");
    Pipe err;
    const int devNull = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    const pid_t pid = spawnCli({"--count", "2000000000", "-o", target.string()}, devNull, err.write);
    ::close(devNull);
    ASSERT_GT(pid, 0);
    err.closeWrite();

    // Wait for the unfinished file to show up beside the old one.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (folder.names().size() < 2 && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_EQ(folder.names().size(), 2U);
    ::kill(pid, SIGINT);

    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFSIGNALED(status)) << "exited with " << WEXITSTATUS(status);
    EXPECT_EQ(WTERMSIG(status), SIGINT);
    EXPECT_EQ(folder.names(), (std::set<std::string>{"list.txt"}));
    EXPECT_EQ(testing::readFile(target), "old list\r\n");
    EXPECT_EQ(readAll(err.read), "");
}

// Twenty million lines stream through a fixed block: the process stays far below
// the 20 MB that the largest runs may use.
TEST(CliProcess, LongRunKeepsMemoryFlat) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer's own memory hides the program's";
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    GTEST_SKIP() << "AddressSanitizer's own memory hides the program's";
#endif
#endif
    const int devNull = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    const pid_t pid = spawnCli({"--count", "20000000", "-o", "/dev/null"}, devNull, devNull);
    ::close(devNull);
    ASSERT_GT(pid, 0);

    int status = 0;
    struct rusage usage {};
    ASSERT_EQ(::wait4(pid, &status, 0, &usage), pid);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_LT(usage.ru_maxrss, 20 * 1024) << "kilobytes";
}

} // namespace
} // namespace cardgen
