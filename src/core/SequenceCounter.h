#pragma once

#include "text/TextValue.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace cardgen {

// The sequence parts of lines 1, 2, 3, … in turn, byte for byte as formatSequence
// gives them, but counting up on a buffer of decimal digits instead of formatting
// every line. Lines whose number is negative are formatted one by one.
class SequenceCounter {
public:
    explicit SequenceCounter(TextValue sequenceText);

    // The sequence part of the current line.
    [[nodiscard]] std::string_view current() const noexcept {
        return counting_ ? std::string_view(digits_).substr(first_) : formatted_.bytes();
    }
    [[nodiscard]] std::int32_t line() const noexcept { return line_; }
    // Moves on to the next line; stays on the last line a 32-bit number can name.
    void advance();

private:
    void format();
    void increment() noexcept;

    TextValue sequenceText_;
    std::int32_t line_ = 1;
    // Counting: digits_ from first_ on is the part; otherwise formatted_ is.
    bool counting_ = false;
    std::string digits_;
    std::size_t first_ = 0;
    TextValue formatted_;
};

} // namespace cardgen
