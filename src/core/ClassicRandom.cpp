#include "core/ClassicRandom.h"

#include <chrono>
#include <tuple>
#include <utility>

namespace cardgen {

namespace {

constexpr std::uint32_t kMultiplier = 214013;
constexpr std::uint32_t kIncrement = 2531011;
// Keeps span + 1 within a signed 32-bit value.
constexpr std::uint32_t kMaxSpan = 0x7FFFFFFE;

} // namespace

ClassicRandom::ClassicRandom(MillisecondClock clock)
    : clock_(clock ? std::move(clock) : MillisecondClock(&ClassicRandom::steadyMilliseconds)) {
}

void ClassicRandom::reseedFromClock() {
    const std::uint32_t seed = clock_() + state_.reseedCounter;
    state_.reseedCounter += (seed & 0xFFu) + 100u;
    state_.generator = seed;
}

std::uint32_t ClassicRandom::nextRaw() noexcept {
    state_.generator = state_.generator * kMultiplier + kIncrement;
    return (state_.generator >> 16) & 0x7FFFu;
}

std::int32_t ClassicRandom::randomInRange(std::int32_t lo, std::int32_t hi) {
    std::tie(lo, hi) = orderedBounds(lo, hi);
    if (lo == hi) {
        return lo;
    }
    std::uint32_t span = static_cast<std::uint32_t>(hi) - static_cast<std::uint32_t>(lo);
    if (span > kMaxSpan) {
        span = kMaxSpan;
    }
    return lo + static_cast<std::int32_t>(nextRaw() % (span + 1u));
}

std::uint32_t ClassicRandom::steadyMilliseconds() noexcept {
    const auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
    // The conversion to unsigned keeps the count modulo 2^32.
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(sinceStart).count());
}

} // namespace cardgen
