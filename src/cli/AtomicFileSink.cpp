#include "cli/AtomicFileSink.h"

namespace cardgen {

int AtomicFileSink::write(std::span<const char> bytes) {
    return writer_.write({reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()}).error;
}

} // namespace cardgen
