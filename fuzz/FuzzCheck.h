#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

namespace cardgen::fuzz {

// A broken property ends the run like a crash, so libFuzzer keeps the input.
inline void check(bool holds, const char* property) {
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", property);
        std::abort();
    }
}

// The double whose bytes the input is; nothing for inputs of another size.
inline std::optional<double> doubleFrom(const std::uint8_t* data, std::size_t size) {
    if (size != sizeof(double))
        return std::nullopt;
    double value = 0.0;
    std::memcpy(&value, data, sizeof value);
    return value;
}

} // namespace cardgen::fuzz
