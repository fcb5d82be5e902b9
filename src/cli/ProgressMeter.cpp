#include "cli/ProgressMeter.h"

#include <algorithm>
#include <cstdio>

namespace cardgen {

namespace {

// 1234567 as "1,234,567".
std::string grouped(std::int64_t value) {
    std::string digits = std::to_string(value);
    const std::size_t first = digits.front() == '-' ? 1 : 0;
    for (std::size_t i = digits.size(); i > first + 3; i -= 3) {
        digits.insert(i - 3, 1, ',');
    }
    return digits;
}

std::string rateText(double linesPerSecond) {
    char text[32];
    if (linesPerSecond >= 1e6) {
        std::snprintf(text, sizeof text, "%.1f M lines/s", linesPerSecond / 1e6);
    } else if (linesPerSecond >= 1e3) {
        std::snprintf(text, sizeof text, "%.1f k lines/s", linesPerSecond / 1e3);
    } else {
        std::snprintf(text, sizeof text, "%.0f lines/s", linesPerSecond);
    }
    return text;
}

// "0:07", "12:30" or "3:05:09".
std::string durationText(std::int64_t seconds) {
    char text[32];
    const std::int64_t hours = seconds / 3600;
    const std::int64_t minutes = seconds / 60 % 60;
    if (hours > 0) {
        std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", static_cast<long long>(hours),
                      static_cast<long long>(minutes), static_cast<long long>(seconds % 60));
    } else {
        std::snprintf(text, sizeof text, "%lld:%02lld", static_cast<long long>(minutes),
                      static_cast<long long>(seconds % 60));
    }
    return text;
}

} // namespace

ProgressMeter::ProgressMeter(std::int64_t total, Clock::time_point start) noexcept
    : total_(total), start_(start) {
}

std::optional<std::string> ProgressMeter::update(std::int64_t done, Clock::time_point now) {
    const Clock::duration elapsed = now - start_;
    if (elapsed < kFirstShown || (lastShown_ && now - *lastShown_ < kRefresh)) {
        return std::nullopt;
    }
    lastShown_ = now;
    const std::string text = describe(done, total_, elapsed);
    // Carriage return, the text, and blanks over what is left of a longer text.
    std::string out = "\r";
    out += text;
    if (text.size() < shownWidth_) {
        out.append(shownWidth_ - text.size(), ' ');
    }
    shownWidth_ = std::max(shownWidth_, text.size());
    return out;
}

std::string ProgressMeter::clear() {
    if (shownWidth_ == 0) {
        return {};
    }
    std::string out(shownWidth_ + 2, ' ');
    out.front() = '\r';
    out.back() = '\r';
    shownWidth_ = 0;
    lastShown_.reset();
    return out;
}

std::string ProgressMeter::describe(std::int64_t done, std::int64_t total, Clock::duration elapsed) {
    const double seconds = std::chrono::duration<double>(elapsed).count();
    const double rate = seconds > 0 ? static_cast<double>(done) / seconds : 0;
    const int percent =
        total > 0 ? static_cast<int>(100.0 * static_cast<double>(done) / static_cast<double>(total)) : 100;
    std::string text = grouped(done) + " of " + grouped(total) + " lines (" + std::to_string(percent) +
                       "%), " + rateText(rate) + ", ";
    if (rate > 0) {
        text +=
            durationText(static_cast<std::int64_t>(static_cast<double>(total - done) / rate + 0.5)) + " left";
    } else {
        text += "time left unknown";
    }
    return text;
}

} // namespace cardgen
