#include "core/Password.h"

#include <stdexcept>
#include <utility>

namespace cardgen {

namespace {

// 24 letters: "a" to "x" (or "A" to "X") from a draw of 1 to 24.
constexpr char kBeforeLower = 'a' - 1;
constexpr char kBeforeUpper = 'A' - 1;

char drawDigit(RandomGenerator& random) {
    return static_cast<char>('0' + random.randomInRange(0, 9));
}

char drawLetter(RandomGenerator& random, char beforeFirst) {
    return static_cast<char>(beforeFirst + random.randomInRange(1, 24));
}

char drawMixedCaseLetter(RandomGenerator& random) {
    const std::int32_t letter = random.randomInRange(1, 24);
    const bool upper = random.randomInRange(0, 1) == 0;
    return static_cast<char>((upper ? kBeforeUpper : kBeforeLower) + letter);
}

char drawDigitOrLetter(RandomGenerator& random, char beforeFirstLetter) {
    return random.randomInRange(0, 1) == 0 ? drawDigit(random) : drawLetter(random, beforeFirstLetter);
}

template <typename Draw> void fill(char* first, char* last, Draw draw) {
    for (; first != last; ++first) {
        *first = draw();
    }
}

// One loop per mode keeps the mode switch out of the per-character path.
void drawCharacters(char* first, char* last, PasswordMode mode, RandomGenerator& random) {
    switch (mode) {
    case PasswordMode::Digits:
        return fill(first, last, [&] { return drawDigit(random); });
    case PasswordMode::LowerLetters:
        return fill(first, last, [&] { return drawLetter(random, kBeforeLower); });
    case PasswordMode::UpperLetters:
        return fill(first, last, [&] { return drawLetter(random, kBeforeUpper); });
    case PasswordMode::MixedCaseLetters:
        return fill(first, last, [&] { return drawMixedCaseLetter(random); });
    case PasswordMode::DigitsLower:
        return fill(first, last, [&] { return drawDigitOrLetter(random, kBeforeLower); });
    case PasswordMode::DigitsUpper:
        return fill(first, last, [&] { return drawDigitOrLetter(random, kBeforeUpper); });
    }
}

bool isKnown(PasswordMode mode) noexcept {
    switch (mode) {
    case PasswordMode::Digits:
    case PasswordMode::LowerLetters:
    case PasswordMode::UpperLetters:
    case PasswordMode::MixedCaseLetters:
    case PasswordMode::DigitsLower:
    case PasswordMode::DigitsUpper:
        return true;
    }
    return false;
}

} // namespace

void appendPassword(std::string& out, PasswordMode mode, std::int32_t length, RandomGenerator& random) {
    if (!isKnown(mode)) {
        throw std::invalid_argument("Unknown password mode.");
    }
    random.reseedFromClock();
    if (length < 1) {
        return;
    }
    const std::size_t start = out.size();
    out.resize(start + static_cast<std::size_t>(length));
    try {
        drawCharacters(out.data() + start, out.data() + out.size(), mode, random);
    } catch (...) {
        // Leave no half-made password behind.
        out.resize(start);
        throw;
    }
}

TextValue makePassword(PasswordMode mode, std::int32_t length, RandomGenerator& random) {
    std::string bytes;
    appendPassword(bytes, mode, length, random);
    return TextValue::fromTrustedBytes(std::move(bytes));
}

} // namespace cardgen
