#pragma once

#include "../export/FaultyFileSystem.h"
#include "../export/TemporaryFolder.h"
#include "cli/CommandLine.h"
#include "core/PasswordMode.h"

#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>

namespace cardgen::testing {

// An in-memory file to stand in for standard output or standard error.
class MemoryFile {
public:
    MemoryFile() : fd_(::memfd_create("cardgen-cli-test", MFD_CLOEXEC)) {
        if (fd_ < 0) {
            throw std::runtime_error("memfd_create failed");
        }
    }
    ~MemoryFile() { ::close(fd_); }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    [[nodiscard]] int fd() const noexcept { return fd_; }

    [[nodiscard]] std::string contents() const {
        std::string result;
        char buffer[1 << 16];
        off_t offset = 0;
        for (;;) {
            const ssize_t got = ::pread(fd_, buffer, sizeof buffer, offset);
            if (got <= 0) {
                return result;
            }
            result.append(buffer, static_cast<std::size_t>(got));
            offset += got;
        }
    }

private:
    int fd_;
};

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the command line in this process against memory files, a temporary folder
// and a file system whose steps a test can make fail. The clock moves on by
// `tick` at every reading.
class CliHarness {
public:
    TemporaryFolder folder;
    FaultyFileSystem fileSystem;
    CliEnvironment environment;
    std::chrono::steady_clock::duration tick = std::chrono::milliseconds(1);
    volatile std::sig_atomic_t stopSignal = 0;

    CliHarness() {
        environment.outputFd = out_.fd();
        environment.errorFd = err_.fd();
        environment.fileSystem = &fileSystem;
        environment.now = [this] { return time_ += tick; };
        environment.physicalMemory = std::uint64_t{16} << 30;
        environment.stopSignal = &stopSignal;
    }

    CliResult run(const std::vector<std::string>& args) {
        const std::vector<std::string_view> views(args.begin(), args.end());
        CliResult result;
        result.status = runCommandLine(views, environment);
        result.out = out_.contents();
        result.err = err_.contents();
        return result;
    }

    [[nodiscard]] std::string pathOf(std::string_view name) const { return (folder.path() / name).string(); }

private:
    MemoryFile out_;
    MemoryFile err_;
    std::chrono::steady_clock::time_point time_{};
};

// Names a TEST_P row after its `name` field.
struct CaseName {
    template <typename Row> std::string operator()(const ::testing::TestParamInfo<Row>& row) const {
        return std::string(row.param.name);
    }
};

// The lines of an output, each without its CR LF; a missing CR LF fails the test.
inline std::vector<std::string> splitLines(std::string_view output) {
    std::vector<std::string> lines;
    while (!output.empty()) {
        const std::size_t end = output.find("\r\n");
        if (end == std::string_view::npos) {
            ADD_FAILURE() << "line without CR LF at the end: " << output;
            break;
        }
        lines.emplace_back(output.substr(0, end));
        output.remove_prefix(end + 2);
    }
    return lines;
}

// The characters each mode may use.
inline std::string_view classOf(PasswordMode mode) {
    switch (mode) {
    case PasswordMode::Digits:
        return "0123456789";
    case PasswordMode::LowerLetters:
        return "abcdefghijklmnopqrstuvwx";
    case PasswordMode::UpperLetters:
        return "ABCDEFGHIJKLMNOPQRSTUVWX";
    case PasswordMode::MixedCaseLetters:
        return "abcdefghijklmnopqrstuvwxABCDEFGHIJKLMNOPQRSTUVWX";
    case PasswordMode::DigitsLower:
        return "0123456789abcdefghijklmnopqrstuvwx";
    case PasswordMode::DigitsUpper:
        return "0123456789ABCDEFGHIJKLMNOPQRSTUVWX";
    }
    return "";
}

} // namespace cardgen::testing
