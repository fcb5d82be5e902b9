#include "core/SecureRandom.h"

#include <sodium.h>
#include <stdexcept>
#include <tuple>
#include <utility>

namespace cardgen {

namespace {

void initSodium() {
    // sodium_init is safe to repeat, but its result only needs checking once.
    static const int result = sodium_init();
    if (result < 0) {
        throw std::runtime_error("The system's secure random generator could not be initialised.");
    }
}

} // namespace

SecureRandom::SecureRandom() : SecureRandom(keyedStreamSource()) {
}

SecureRandom::SecureRandom(ByteSource source)
    : source_(std::move(source)), buffer_(std::make_unique<unsigned char[]>(kBlockSize)) {
    if (!source_) {
        throw std::invalid_argument("SecureRandom needs a byte source.");
    }
}

SecureRandom::~SecureRandom() {
    sodium_memzero(buffer_.get(), kBlockSize);
}

std::int32_t SecureRandom::randomInRange(std::int32_t lo, std::int32_t hi) {
    std::tie(lo, hi) = orderedBounds(lo, hi);
    if (lo == hi) {
        return lo;
    }
    // At most 2^31 values, so the count fits.
    const std::uint32_t count = static_cast<std::uint32_t>(hi) - static_cast<std::uint32_t>(lo) + 1u;
    if (count <= 256u) {
        // Values from the limit up would favour the low results; draw again instead.
        const unsigned limit = 256u - 256u % count;
        unsigned value = nextByte();
        while (value >= limit) {
            value = nextByte();
        }
        return lo + static_cast<std::int32_t>(value % count);
    }
    constexpr std::uint64_t kWords = std::uint64_t{1} << 32;
    const std::uint64_t limit = kWords - kWords % count;
    std::uint32_t value = nextWord();
    while (value >= limit) {
        value = nextWord();
    }
    return lo + static_cast<std::int32_t>(value % count);
}

std::uint32_t SecureRandom::nextWord() {
    std::uint32_t value = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        value |= static_cast<std::uint32_t>(nextByte()) << shift;
    }
    return value;
}

void SecureRandom::refill() {
    source_(buffer_.get(), kBlockSize);
    position_ = 0;
}

SecureRandom::ByteSource SecureRandom::systemSource() {
    initSodium();
    return [](unsigned char* bytes, std::size_t size) { randombytes_buf(bytes, size); };
}

SecureRandom::ByteSource SecureRandom::keyedStreamSource() {
    initSodium();
    return [](unsigned char* bytes, std::size_t size) {
        unsigned char key[randombytes_SEEDBYTES];
        randombytes_buf(key, sizeof key);
        randombytes_buf_deterministic(bytes, size, key);
        sodium_memzero(key, sizeof key);
    };
}

} // namespace cardgen
