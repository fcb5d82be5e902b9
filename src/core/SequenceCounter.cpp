#include "core/SequenceCounter.h"

#include "core/CardNumber.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace cardgen {

namespace {

// realToText of any value a line can reach has at most 11 bytes ("-2147483648").
constexpr std::size_t kLongestNumber = 11;

bool allDigits(std::string_view text) noexcept {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

SequenceCounter::SequenceCounter(TextValue sequenceText) : sequenceText_(std::move(sequenceText)) {
    format();
}

void SequenceCounter::advance() {
    if (line_ == std::numeric_limits<std::int32_t>::max()) {
        return;
    }
    ++line_;
    if (counting_) {
        increment();
    } else {
        format();
    }
}

void SequenceCounter::format() {
    formatted_ = formatSequence(sequenceText_, line_);
    // Zero padding and a plain number: from here on adding one to the digits gives
    // what formatSequence would, the width growing only when every digit is 9.
    if (allDigits(formatted_.bytes())) {
        const std::size_t room = std::max(formatted_.size(), kLongestNumber) + 1;
        digits_.assign(room - formatted_.size(), '0');
        digits_.append(formatted_.bytes());
        first_ = room - formatted_.size();
        counting_ = true;
    }
}

void SequenceCounter::increment() noexcept {
    std::size_t i = digits_.size();
    while (i > first_) {
        --i;
        if (digits_[i] != '9') {
            ++digits_[i];
            return;
        }
        digits_[i] = '0';
    }
    // 999 became 000: one more digit in front. The buffer has room, since no
    // line's number has more than kLongestNumber digits.
    digits_[--first_] = '1';
}

} // namespace cardgen
