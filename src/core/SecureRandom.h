#pragma once

#include "core/RandomGenerator.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

namespace cardgen {

// Unpredictable random values for passwords. Bytes are fetched a block at a time
// and every range is drawn uniformly by rejection: a byte for ranges of up to 256
// values, four bytes (little-endian) for wider ones.
class SecureRandom final : public RandomGenerator {
public:
    // Fills the whole buffer with random bytes.
    using ByteSource = std::function<void(unsigned char*, std::size_t)>;

    static constexpr std::size_t kBlockSize = 16 * 1024;

    // Draws from keyedStreamSource(), about twice as fast as systemSource().
    // Throws std::runtime_error when the operating system's generator cannot be
    // set up; there is no weaker fallback.
    SecureRandom();
    explicit SecureRandom(ByteSource source);
    ~SecureRandom() override;

    // A copy would hand out the same buffered bytes twice.
    SecureRandom(const SecureRandom&) = delete;
    SecureRandom& operator=(const SecureRandom&) = delete;

    // The bytes need no seed, so there is nothing to do.
    void reseedFromClock() override {}
    // Uniform over lo..hi; negative bounds count as 0, swapped bounds are put in
    // order, equal bounds give lo without using any byte.
    [[nodiscard]] std::int32_t randomInRange(std::int32_t lo, std::int32_t hi) override;

    // The operating system's generator, byte for byte (one system call per 256 bytes).
    [[nodiscard]] static ByteSource systemSource();
    // A ChaCha20 stream keyed with 32 fresh bytes of the operating system's
    // generator for every fill: one system call per block.
    [[nodiscard]] static ByteSource keyedStreamSource();

private:
    [[nodiscard]] unsigned nextByte() {
        if (position_ == kBlockSize) {
            refill();
        }
        return buffer_[position_++];
    }
    [[nodiscard]] std::uint32_t nextWord();
    void refill();

    ByteSource source_;
    std::unique_ptr<unsigned char[]> buffer_;
    std::size_t position_ = kBlockSize;
};

} // namespace cardgen
