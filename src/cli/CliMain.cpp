#include "cli/CliMain.h"

#include "cli/CommandLine.h"

#include <csignal>
#include <string_view>
#include <vector>

namespace cardgen {

namespace {

volatile std::sig_atomic_t stopSignal = 0;

extern "C" void onStopSignal(int signal) {
    stopSignal = signal;
}

// Ctrl-C, kill and a closed terminal let the run remove its unfinished file. A
// signal ignored from the start (nohup, background jobs) stays ignored.
void catchStopSignals() {
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction current {};
        if (::sigaction(signal, nullptr, &current) != 0 || current.sa_handler == SIG_IGN) {
            continue;
        }
        struct sigaction action {};
        action.sa_handler = onStopSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = 0; // no SA_RESTART: a blocked write returns so the run can stop
        ::sigaction(signal, &action, nullptr);
    }
}

} // namespace

int cliMain(int argc, char** argv) {
    // A reader that goes away shows up as EPIPE from write, not as a killed process.
    std::signal(SIGPIPE, SIG_IGN);
    catchStopSignals();

    const std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + (argc > 0 ? argc : 0));
    CliEnvironment environment = CliEnvironment::ofThisProcess(&stopSignal);
    const int status = runCommandLine(args, environment);
    if (const int signal = stopSignal; signal != 0 && status == exitStatus::kStoppedBase + signal) {
        // The run gave up: end as the signal would have ended us, so that the caller
        // sees it. A signal that came too late to stop the run changes nothing.
        std::signal(signal, SIG_DFL);
        std::raise(signal);
    }
    return status;
}

} // namespace cardgen
