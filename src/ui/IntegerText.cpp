#include "ui/IntegerText.h"

#include <limits>

namespace cardgen {

namespace {

bool isCSpace(QChar c) noexcept {
    const char16_t u = c.unicode();
    return u == ' ' || u == '\t' || u == '\n' || u == '\v' || u == '\f' || u == '\r';
}

bool isAsciiDigit(QChar c) noexcept {
    return c.unicode() >= '0' && c.unicode() <= '9';
}

} // namespace

std::int32_t readClampedInteger(QStringView text) noexcept {
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();

    qsizetype i = 0;
    while (i < text.size() && isCSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    // Accumulates the magnitude and stops growing once it is past either bound.
    std::int64_t magnitude = 0;
    for (; i < text.size() && isAsciiDigit(text[i]); ++i) {
        if (magnitude <= kMax + 1)
            magnitude = magnitude * 10 + (text[i].unicode() - '0');
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > kMax)
        return static_cast<std::int32_t>(kMax);
    if (value < kMin)
        return static_cast<std::int32_t>(kMin);
    return static_cast<std::int32_t>(value);
}

QString rewrittenInteger(QStringView text) {
    const std::int32_t value = readClampedInteger(text);
    return value == 0 ? QString() : QString::number(value);
}

int spinValue(QStringView text, SpinDirection direction) noexcept {
    const std::int64_t n = readClampedInteger(text);
    if (direction == SpinDirection::Up) {
        const std::int64_t v = n + 1;
        return v < 0 || v > 100 ? 0 : static_cast<int>(v);
    }
    const std::int64_t v = n - 1;
    if (v < 0)
        return 100;
    return v > 100 ? 100 : static_cast<int>(v);
}

} // namespace cardgen
