#pragma once

#include "core/RandomGenerator.h"

#include <cstdint>
#include <functional>

namespace cardgen {

// A 32-bit linear congruential generator with a 15-bit output, re-seeded from a
// millisecond tick plus a counter that grows at every re-seed, so two re-seeds in
// the same millisecond still differ. Predictable (a clock-reading seed and 32 bits
// of state: one password gives away the rest of its batch), so passwords are drawn
// from SecureRandom; this one stays for comparison.
class ClassicRandom final : public RandomGenerator {
public:
    // Milliseconds from any fixed point, wrapping at 2^32.
    using MillisecondClock = std::function<std::uint32_t()>;

    struct State {
        std::uint32_t generator = 1;
        std::uint32_t reseedCounter = 0;
        friend bool operator==(const State&, const State&) = default;
    };

    // Uses the steady clock when no clock is given.
    explicit ClassicRandom(MillisecondClock clock = {});

    void reseedFromClock() override;
    [[nodiscard]] std::int32_t randomInRange(std::int32_t lo, std::int32_t hi) override;
    // One generator step: bits 16 to 30 of the new state, 0 to 32767.
    [[nodiscard]] std::uint32_t nextRaw() noexcept;

    [[nodiscard]] State state() const noexcept { return state_; }
    void setState(State state) noexcept { state_ = state; }

    [[nodiscard]] static std::uint32_t steadyMilliseconds() noexcept;

private:
    MillisecondClock clock_;
    State state_;
};

} // namespace cardgen
