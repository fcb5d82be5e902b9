#pragma once

#include "cli/CliEnvironment.h"

#include <span>
#include <string_view>

namespace cardgen {

namespace exitStatus {
inline constexpr int kDone = 0;
// The output could not be written, or the run could not be set up.
inline constexpr int kFailed = 1;
// Bad options: nothing was written.
inline constexpr int kBadInput = 2;
// A run stopped by a signal gives 128 + the signal's number.
inline constexpr int kStoppedBase = 128;
} // namespace exitStatus

// Runs cardgen-cli with the arguments after the program name; gives the exit status.
[[nodiscard]] int runCommandLine(std::span<const std::string_view> args, CliEnvironment& environment);

// The text of --help.
[[nodiscard]] std::string_view cliHelp() noexcept;

} // namespace cardgen
