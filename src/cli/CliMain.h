#pragma once

namespace cardgen {

// The whole of cardgen-cli's main: sets up the process and runs the command line.
[[nodiscard]] int cliMain(int argc, char** argv);

} // namespace cardgen
