#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

namespace cardgen {

// The one-line progress report of a long run on a terminal: lines done of the
// total, the rate and the time left. It first appears once the run has taken a
// second, then changes a few times a second, each text overwriting the last.
class ProgressMeter {
public:
    using Clock = std::chrono::steady_clock;

    static constexpr Clock::duration kFirstShown = std::chrono::seconds(1);
    static constexpr Clock::duration kRefresh = std::chrono::milliseconds(250);

    ProgressMeter(std::int64_t total, Clock::time_point start) noexcept;

    // The bytes to write to the terminal now, or nothing.
    [[nodiscard]] std::optional<std::string> update(std::int64_t done, Clock::time_point now);
    // The bytes that erase the line shown; empty when none is.
    [[nodiscard]] std::string clear();

    // "1,234,567 of 10,000,000 lines (12%), 2.5 M lines/s, 0:03 left"
    [[nodiscard]] static std::string describe(std::int64_t done, std::int64_t total, Clock::duration elapsed);

private:
    std::int64_t total_;
    Clock::time_point start_;
    std::optional<Clock::time_point> lastShown_;
    std::size_t shownWidth_ = 0;
};

} // namespace cardgen
