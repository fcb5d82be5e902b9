// Faults of the real file system met by an export: a full disk and targets that
// cannot be written. Each must leave the old file whole, leave no temporary file
// behind and tell the user why.
#include "../support/RecordingUiPort.h"
#include "TemporaryFolder.h"
#include "core/ControlNames.h"
#include "export/ListExport.h"
#include "text/Gbk.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <ostream>
#include <sched.h>
#include <string>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace cardgen {
namespace {

using testing::RecordingUiPort;
using testing::TemporaryFolder;

const std::string kOld = "the previous list\r\n";

// A list of many lines, far larger than the room the tests leave for it.
std::string longList() {
    std::string list;
    for (int line = 1; line <= 2000; ++line) {
        list += "56M5FA1B2C" + std::to_string(100000 + line) + "  12345678\r\n";
    }
    return list;
}

std::vector<std::string> messagesOf(const RecordingUiPort& port) {
    std::vector<std::string> texts;
    for (const TextValue& message : port.messages) {
        texts.emplace_back(message.bytes());
    }
    return texts;
}

std::string failureMessage(const std::filesystem::path& target, int error) {
    return std::string(
        gbkFromUtf8Lossy("导出失败：" + target.string() + " (" + std::strerror(error) + ")").bytes());
}

std::string readAll(int fd) {
    std::string bytes;
    char buffer[4096];
    ssize_t got = 0;
    while ((got = ::read(fd, buffer, sizeof buffer)) > 0) {
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    return bytes;
}

// Every entry below a folder with its file's bytes ("/" for a folder). Walked through
// descriptors, so that a tree deeper than PATH_MAX is listed too.
using Tree = std::map<std::string, std::string>;

void listInto(int folderFd, const std::string& prefix, Tree& tree) {
    DIR* dir = ::fdopendir(::dup(folderFd));
    ASSERT_NE(dir, nullptr);
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..") {
            continue;
        }
        struct stat info {};
        ASSERT_EQ(::fstatat(folderFd, name.c_str(), &info, AT_SYMLINK_NOFOLLOW), 0);
        const int fd = ::openat(folderFd, name.c_str(), O_RDONLY | O_CLOEXEC);
        ASSERT_GE(fd, 0) << prefix << name;
        if (S_ISDIR(info.st_mode)) {
            tree[prefix + name] = "/";
            listInto(fd, prefix + name + "/", tree);
        } else {
            tree[prefix + name] = readAll(fd);
        }
        ::close(fd);
    }
    ::closedir(dir);
}

Tree treeOf(const std::filesystem::path& folder) {
    Tree tree;
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    listInto(fd, "", tree);
    ::close(fd);
    return tree;
}

// Runs the export in a child process whose files may not grow beyond limit bytes, as
// on a full disk; the child ignores SIGXFSZ, so the write fails with EFBIG. Gives
// the messages that the child showed.
std::vector<std::string> exportWithFileSizeLimit(RecordingUiPort& port, rlim_t limit) {
    int channel[2];
    if (::pipe(channel) != 0) {
        ADD_FAILURE() << "pipe: " << std::strerror(errno);
        return {};
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit fileSize{limit, limit};
        if (::setrlimit(RLIMIT_FSIZE, &fileSize) != 0) {
            ::_exit(2);
        }
        exportList(port);
        // Each message followed by a zero byte, which no text holds.
        for (const TextValue& message : port.messages) {
            const std::string bytes = std::string(message.bytes()) + '\0';
            if (::write(channel[1], bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) {
                ::_exit(3);
            }
        }
        ::_exit(0);
    }
    ::close(channel[1]);
    const std::string reply = readAll(channel[0]);
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "child status " << status;

    std::vector<std::string> messages;
    for (std::size_t start = 0, end = 0; (end = reply.find('\0', start)) != std::string::npos;
         start = end + 1) {
        messages.push_back(reply.substr(start, end - start));
    }
    return messages;
}

class ExportFault : public ::testing::Test {
protected:
    ExportFault() {
        target = folder.path() / "list.Txt";
        port.savePath = target;
        port.texts[std::string(controls::outputBox)] = TextValue(longList());
    }

    TemporaryFolder folder;
    std::filesystem::path target;
    RecordingUiPort port;
};

TEST_F(ExportFault, FileSizeLimitKeepsTheOldFileAndTells) {
    // The old file is larger than the limit: only growing a file is refused.
    const std::string old = std::string(8192, 'o') + "\r\n";
    testing::writeFile(target, old);

    const std::vector<std::string> messages = exportWithFileSizeLimit(port, 4096);

    EXPECT_EQ(messages, std::vector<std::string>{failureMessage(target, EFBIG)});
    EXPECT_EQ(treeOf(folder.path()), (Tree{{"list.Txt", old}}));
}

// A name the folder cannot hold must be told as such before the list is written,
// not hidden behind the lack of room that writing it first runs into.
TEST_F(ExportFault, NameTooLongIsToldBeforeTheListIsWritten) {
    target = folder.path() / (std::string(NAME_MAX - 3, 'n') + ".Txt");
    port.savePath = target;

    const std::vector<std::string> messages = exportWithFileSizeLimit(port, 4096);

    EXPECT_EQ(messages, std::vector<std::string>{failureMessage(target, ENAMETOOLONG)});
    EXPECT_TRUE(treeOf(folder.path()).empty());
}

// A real full disk: a small tmpfs in a mount namespace of this process's own, so
// nothing outside it sees the mount. Needs the right to mount; skipped without it.
TEST_F(ExportFault, FullDiskKeepsTheOldFileAndTells) {
    const std::filesystem::path disk = folder.path() / "disk";
    std::filesystem::create_directory(disk);
    if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        ::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=64k") != 0) {
        GTEST_SKIP() << "cannot mount a tmpfs here: " << std::strerror(errno);
    }
    // Unmounted before the temporary folder goes, whatever the test's outcome.
    const std::unique_ptr<const char, void (*)(const char*)> unmount(
        disk.c_str(), [](const char* path) { ::umount2(path, MNT_DETACH); });
    // 40 KiB of old list and 40 KiB of new do not fit in 64 KiB side by side.
    target = disk / "list.Txt";
    port.savePath = target;
    const std::string old(40 * 1024, 'o');
    testing::writeFile(target, old);
    ASSERT_EQ(testing::readFile(target), old);
    ASSERT_GT(longList().size(), 40U * 1024U);

    exportList(port);

    EXPECT_EQ(messagesOf(port), std::vector<std::string>{failureMessage(target, ENOSPC)});
    EXPECT_EQ(treeOf(disk), (Tree{{"list.Txt", old}}));
}

// Makes a folder chain below folder whose path is longer than PATH_MAX, with the
// old list at its bottom, and gives the path of that old list.
std::filesystem::path deepTarget(const std::filesystem::path& folder) {
    const std::string name(NAME_MAX, 'd');
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    std::filesystem::path path = folder;
    while (path.native().size() <= PATH_MAX) {
        ::mkdirat(fd, name.c_str(), 0755);
        const int next = ::openat(fd, name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        ::close(fd);
        fd = next;
        path /= name;
    }
    const int file = ::openat(fd, "list.Txt", O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    EXPECT_EQ(::write(file, kOld.data(), kOld.size()), static_cast<ssize_t>(kOld.size()));
    ::close(file);
    ::close(fd);
    return path / "list.Txt";
}

struct TargetCase {
    const char* tag;
    // Lays out the folder, with an old list in it where the case has one, and gives the target.
    std::function<std::filesystem::path(const std::filesystem::path& folder)> prepare;
    int error;
    friend void PrintTo(const TargetCase& row, std::ostream* out) { *out << row.tag; }
};

class UnwritableTarget : public ExportFault, public ::testing::WithParamInterface<TargetCase> {};

TEST_P(UnwritableTarget, ChangesNothingAndTells) {
    testing::writeFile(folder.path() / "list.Txt", kOld);
    target = GetParam().prepare(folder.path());
    port.savePath = target;
    const Tree before = treeOf(folder.path());

    exportList(port);

    EXPECT_EQ(messagesOf(port), std::vector<std::string>{failureMessage(target, GetParam().error)});
    EXPECT_EQ(treeOf(folder.path()), before);
}

INSTANTIATE_TEST_SUITE_P(
    Targets, UnwritableTarget,
    ::testing::Values(TargetCase{"missing_folder",
                                 [](const auto& folder) { return folder / "missing" / "list.Txt"; }, ENOENT},
                      TargetCase{"file_in_place_of_a_folder",
                                 [](const auto& folder) { return folder / "list.Txt" / "x"; }, ENOTDIR},
                      TargetCase{"target_is_a_folder",
                                 [](const auto& folder) {
                                     std::filesystem::create_directory(folder / "list");
                                     testing::writeFile(folder / "list" / "kept.Txt", kOld);
                                     return folder / "list";
                                 },
                                 EISDIR},
                      TargetCase{"name_over_255_bytes",
                                 [](const auto& folder) {
                                     return folder / (std::string(NAME_MAX - 3, 'n') + ".Txt");
                                 },
                                 ENAMETOOLONG},
                      TargetCase{"path_over_path_max", deepTarget, ENAMETOOLONG}),
    [](const auto& row) { return std::string(row.param.tag); });

} // namespace
} // namespace cardgen
