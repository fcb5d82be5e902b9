#pragma once

#include <cstdint>

namespace cardgen {

// What the password maker needs of a random source.
class RandomGenerator {
public:
    virtual ~RandomGenerator() = default;

    // Called once at the start of every password.
    virtual void reseedFromClock() = 0;
    // A value from lo to hi; negative bounds count as 0, swapped bounds are put in order.
    [[nodiscard]] virtual std::int32_t randomInRange(std::int32_t lo, std::int32_t hi) = 0;
};

} // namespace cardgen
