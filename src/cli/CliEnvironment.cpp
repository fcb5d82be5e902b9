#include "cli/CliEnvironment.h"

#include <unistd.h>

namespace cardgen {

CliEnvironment CliEnvironment::ofThisProcess(const volatile std::sig_atomic_t* stopSignal) {
    CliEnvironment environment;
    environment.outputFd = STDOUT_FILENO;
    environment.errorFd = STDERR_FILENO;
    environment.outputIsTerminal = ::isatty(STDOUT_FILENO) == 1;
    environment.errorIsTerminal = ::isatty(STDERR_FILENO) == 1;
    const long pages = ::sysconf(_SC_PHYS_PAGES);
    const long pageSize = ::sysconf(_SC_PAGE_SIZE);
    environment.physicalMemory =
        pages > 0 && pageSize > 0 ? static_cast<std::uint64_t>(pages) * static_cast<std::uint64_t>(pageSize)
                                  : 0;
    environment.stopSignal = stopSignal;
    return environment;
}

} // namespace cardgen
