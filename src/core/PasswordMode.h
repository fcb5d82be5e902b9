#pragma once

namespace cardgen {

// The six password character classes; letters are "a" to "x" and "A" to "X" only.
enum class PasswordMode : int {
    Digits = 0,
    LowerLetters = 1,
    UpperLetters = 2,
    MixedCaseLetters = 3,
    DigitsLower = 4,
    DigitsUpper = 5,
};

} // namespace cardgen
