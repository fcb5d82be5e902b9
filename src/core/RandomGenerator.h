#pragma once

#include <cstdint>
#include <utility>

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

// The bound rule every generator shares: negative bounds count as 0 and the
// smaller bound comes first.
[[nodiscard]] constexpr std::pair<std::int32_t, std::int32_t> orderedBounds(std::int32_t lo,
                                                                            std::int32_t hi) noexcept {
    lo = lo < 0 ? 0 : lo;
    hi = hi < 0 ? 0 : hi;
    return lo <= hi ? std::pair{lo, hi} : std::pair{hi, lo};
}

} // namespace cardgen
