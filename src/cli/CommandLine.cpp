#include "cli/CommandLine.h"

#include "cli/AtomicFileSink.h"
#include "cli/CliOptions.h"
#include "cli/DescriptorSink.h"
#include "cli/ProgressMeter.h"
#include "cli/UniqueLimits.h"
#include "cli/UniquePasswordSet.h"
#include "core/LineStream.h"
#include "core/PasswordDrawer.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <exception>
#include <fcntl.h>
#include <memory>
#include <new>
#include <string>
#include <unistd.h>
#include <vector>

namespace cardgen {

namespace {

constexpr std::string_view kProgram = "cardgen-cli";
constexpr std::string_view kVersion = "cardgen-cli 1.0\n";
constexpr std::size_t kBlockBytes = std::size_t{1} << 20;

constexpr std::string_view kHelp =
    R"(Usage: cardgen-cli [options]
Makes a batch of prepaid-card credentials, one line each: card number, two spaces,
password, CR LF. The card number is the face-value code, the batch code and the
running number; the codes are read as UTF-8 and written as GBK bytes.

  --face CODE       face-value code (default 56M5F)
  --batch CODE      batch code (default A1B2C)
  --start TEXT      first running number; its length fixes the width, padded
                    with zeros (default 00001)
  --mode MODE       password characters (default digits):
                      digits        0-9
                      lower         a-x
                      upper         A-X
                      mixed         a-x and A-X
                      digits-lower  0-9 and a-x
                      digits-upper  0-9 and A-X
  --length N        password length, 1 to 1024 (default 8)
  --count N         number of lines, 0 to 2147483647 (default 50)
  --unique          no two passwords of the run are equal; keeps about 16 bytes
                    per line in memory (1.6 GB for 100 million lines) and refuses
                    a count above half of all possible passwords
  -o, --output FILE write to FILE instead of standard output; the file is
                    replaced whole only when every line is written
  -h, --help        show this help
  --version         show the version

Options take their value as "--count 100" or "--count=100". Passwords come from
the system's secure random generator. On a terminal, a long run shows its
progress on standard error.

Exit status: 0 done, 1 the output could not be written, 2 bad options.
)";

// Writes everything, resuming short and interrupted writes; false on failure.
bool writeAllTo(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = ::write(fd, text.data(), text.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

class Run {
public:
    Run(const CliOptions& options, CliEnvironment& environment) : options_(options), env_(environment) {}

    int execute() {
        const GenerationSettings& settings = options_.settings;
        if (options_.unique) {
            if (const std::string refusal = uniqueRefusal(settings, env_.physicalMemory); !refusal.empty()) {
                return report(refusal, exitStatus::kBadInput);
            }
        }
        PasswordDrawer passwords(settings.passwordMode,
                                 env_.randomBytes ? env_.randomBytes : SecureRandom::keyedStreamSource());
        std::unique_ptr<UniquePasswordSet> seen;
        if (options_.unique) {
            try {
                seen = std::make_unique<UniquePasswordSet>(static_cast<std::uint64_t>(settings.count));
            } catch (const std::bad_alloc&) {
                return report("--unique: not enough memory for " + std::to_string(settings.count) + " lines",
                              exitStatus::kFailed);
            }
        }
        LineStream lines(settings, passwords, seen.get());

        std::unique_ptr<OutputSink> sink = openOutput();
        if (!sink) {
            return exitStatus::kFailed;
        }
        return stream(lines, *sink);
    }

private:
    // Standard output, a device or pipe named by -o as it is, or a file replaced whole.
    std::unique_ptr<OutputSink> openOutput() {
        FileSystem& fileSystem = *env_.fileSystem;
        if (!options_.outputPath) {
            return std::make_unique<DescriptorSink>(fileSystem, env_.outputFd, false, env_.stopSignal);
        }
        const std::filesystem::path& path = *options_.outputPath;
        struct stat info {};
        if (fileSystem.stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode)) {
            const int fd = fileSystem.open(path.c_str(), O_WRONLY | O_CLOEXEC, 0);
            if (fd < 0) {
                reportWriteError(errno);
                return nullptr;
            }
            return std::make_unique<DescriptorSink>(fileSystem, fd, true, env_.stopSignal);
        }
        auto file = std::make_unique<AtomicFileSink>(fileSystem);
        if (const int error = file->open(path); error != 0) {
            reportWriteError(error);
            return nullptr;
        }
        return file;
    }

    int stream(LineStream& lines, OutputSink& sink) {
        const bool toTerminal = !options_.outputPath && env_.outputIsTerminal;
        const bool showProgress = env_.errorIsTerminal && !toTerminal;
        ProgressMeter progress(lines.lineCount(), env_.now());
        std::vector<char> block(std::max(kBlockBytes, lines.maxLineBytes()));

        const auto stop = [&](int status) {
            sink.abandon();
            if (showProgress) {
                writeAllTo(env_.errorFd, progress.clear());
            }
            return status;
        };
        while (!lines.done()) {
            const std::size_t size = lines.fill(block.data(), block.size());
            const int error = sink.write({block.data(), size});
            if (stopRequested()) {
                return stop(exitStatus::kStoppedBase + *env_.stopSignal);
            }
            if (error != 0) {
                const int status = stop(exitStatus::kFailed);
                reportWriteError(error);
                return status;
            }
            if (showProgress) {
                if (const auto text = progress.update(lines.linesMade(), env_.now())) {
                    writeAllTo(env_.errorFd, *text);
                }
            }
        }
        if (const int error = sink.finish(); error != 0) {
            const int status = stop(exitStatus::kFailed);
            reportWriteError(error);
            return status;
        }
        if (showProgress) {
            writeAllTo(env_.errorFd, progress.clear());
        }
        return exitStatus::kDone;
    }

    [[nodiscard]] bool stopRequested() const noexcept {
        return env_.stopSignal != nullptr && *env_.stopSignal != 0;
    }

    // A reader that went away (EPIPE) wants no more lines: that ends the run quietly.
    void reportWriteError(int error) {
        if (error == EPIPE) {
            return;
        }
        const std::string reason = std::strerror(error);
        if (options_.outputPath) {
            report("cannot write '" + options_.outputPath->string() + "': " + reason, exitStatus::kFailed);
        } else {
            report("cannot write to standard output: " + reason, exitStatus::kFailed);
        }
    }

    int report(const std::string& message, int status) {
        writeAllTo(env_.errorFd, std::string(kProgram) + ": " + message + "\n");
        return status;
    }

    const CliOptions& options_;
    CliEnvironment& env_;
};

} // namespace

int runCommandLine(std::span<const std::string_view> args, CliEnvironment& environment) {
    const CliParseResult parsed = parseCliOptions(args);
    if (!parsed.ok()) {
        writeAllTo(environment.errorFd, std::string(kProgram) + ": " + parsed.error + "\n");
        return exitStatus::kBadInput;
    }
    if (parsed.options.help || parsed.options.version) {
        const std::string_view text = parsed.options.help ? kHelp : kVersion;
        return writeAllTo(environment.outputFd, text) ? exitStatus::kDone : exitStatus::kFailed;
    }
    try {
        return Run(parsed.options, environment).execute();
    } catch (const std::bad_alloc&) {
        writeAllTo(environment.errorFd, std::string(kProgram) + ": out of memory\n");
    } catch (const std::exception& error) {
        writeAllTo(environment.errorFd, std::string(kProgram) + ": " + error.what() + "\n");
    }
    return exitStatus::kFailed;
}

std::string_view cliHelp() noexcept {
    return kHelp;
}

} // namespace cardgen
