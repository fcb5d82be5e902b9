#include "core/PasswordDrawer.h"

#include <algorithm>
#include <sodium.h>
#include <stdexcept>
#include <utility>

namespace cardgen {

namespace {

constexpr unsigned kHalf = PasswordDrawer::kUsedBytes / 2;

char digit(unsigned value) noexcept {
    return static_cast<char>('0' + value % 10);
}

char letter(unsigned value, char first) noexcept {
    return static_cast<char>(first + value % 24);
}

// The character of a used byte. The digit-and-letter classes give half the bytes to
// digits and half to letters, as makePassword's kind draw does.
char characterOf(PasswordMode mode, unsigned byte) {
    switch (mode) {
    case PasswordMode::Digits:
        return digit(byte);
    case PasswordMode::LowerLetters:
        return letter(byte, 'a');
    case PasswordMode::UpperLetters:
        return letter(byte, 'A');
    case PasswordMode::MixedCaseLetters:
        return letter(byte, byte % 48 < 24 ? 'a' : 'A');
    case PasswordMode::DigitsLower:
        return byte < kHalf ? digit(byte) : letter(byte, 'a');
    case PasswordMode::DigitsUpper:
        return byte < kHalf ? digit(byte) : letter(byte, 'A');
    }
    throw std::invalid_argument("Unknown password mode.");
}

} // namespace

PasswordDrawer::PasswordDrawer(PasswordMode mode, SecureRandom::ByteSource source)
    : source_(std::move(source)), buffer_(std::make_unique<unsigned char[]>(kBufferSize)) {
    if (!source_) {
        throw std::invalid_argument("PasswordDrawer needs a byte source.");
    }
    for (unsigned byte = 0; byte < kUsedBytes; ++byte) {
        table_[byte] = characterOf(mode, byte);
    }
}

PasswordDrawer::~PasswordDrawer() {
    sodium_memzero(buffer_.get(), kBufferSize);
}

void PasswordDrawer::draw(char* out, std::size_t length) {
    char* const end = out + length;
    while (out != end) {
        if (position_ == kBufferSize) {
            refill();
        }
        // No buffer check per byte: at most as many bytes as characters are missing.
        const std::size_t take = std::min(static_cast<std::size_t>(end - out), kBufferSize - position_);
        const unsigned char* byte = buffer_.get() + position_;
        const unsigned char* const last = byte + take;
        for (; byte != last; ++byte) {
            const char c = table_[*byte];
            *out = c;
            out += c != 0;
        }
        position_ += take;
    }
}

void PasswordDrawer::refill() {
    source_(buffer_.get(), kBufferSize);
    position_ = 0;
}

} // namespace cardgen
