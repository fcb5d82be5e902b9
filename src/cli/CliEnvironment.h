#pragma once

#include "core/SecureRandom.h"
#include "export/FileSystem.h"
#include "export/PosixFileSystem.h"

#include <chrono>
#include <csignal>
#include <cstdint>
#include <functional>

namespace cardgen {

// What a command-line run takes from its process; tests hand in their own.
struct CliEnvironment {
    int outputFd = 1;
    // Messages and the progress line.
    int errorFd = 2;
    bool outputIsTerminal = false;
    bool errorIsTerminal = false;
    FileSystem* fileSystem = &PosixFileSystem::instance();
    std::function<std::chrono::steady_clock::time_point()> now = [] {
        return std::chrono::steady_clock::now();
    };
    // Bytes for the passwords; empty for the secure generator's own.
    SecureRandom::ByteSource randomBytes;
    std::uint64_t physicalMemory = 0;
    // Set by a signal handler to the signal that asks the run to stop; may be null.
    const volatile std::sig_atomic_t* stopSignal = nullptr;

    // This process's standard streams, file system, clock and memory.
    [[nodiscard]] static CliEnvironment ofThisProcess(const volatile std::sig_atomic_t* stopSignal);
};

} // namespace cardgen
