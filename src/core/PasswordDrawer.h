#pragma once

#include "core/PasswordMode.h"
#include "core/SecureRandom.h"

#include <array>
#include <cstddef>
#include <memory>

namespace cardgen {

// Draws passwords of one class from a stream of secure random bytes, one byte per
// character through a table of 240 entries; a byte of 240 or more is dropped and
// the next one taken. Every character thus comes with the same chance as through
// makePassword: 1/10 per digit, 1/24 per letter, 1/48 in the mixed-case class, and
// in the digit-and-letter classes 1/20 per digit and 1/48 per letter.
class PasswordDrawer {
public:
    static constexpr std::size_t kBufferSize = 64 * 1024;
    // Bytes below this are used: a multiple of 10, 24 and 48, and each half of it
    // a multiple of 10 and 24.
    static constexpr unsigned kUsedBytes = 240;

    // Throws std::invalid_argument for an unknown mode or an empty source.
    PasswordDrawer(PasswordMode mode, SecureRandom::ByteSource source);
    ~PasswordDrawer();

    // A copy would hand out the same buffered bytes twice.
    PasswordDrawer(const PasswordDrawer&) = delete;
    PasswordDrawer& operator=(const PasswordDrawer&) = delete;

    // Fills out[0 .. length) with one password.
    void draw(char* out, std::size_t length);

private:
    void refill();

    std::array<char, 256> table_{}; // 0 marks a dropped byte
    SecureRandom::ByteSource source_;
    std::unique_ptr<unsigned char[]> buffer_;
    std::size_t position_ = kBufferSize;
};

} // namespace cardgen
