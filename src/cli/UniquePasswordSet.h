#pragma once

#include "core/PasswordFilter.h"

#include <cstddef>
#include <cstdint>
#include <sodium.h>
#include <string_view>

namespace cardgen {

// Remembers the passwords of a run as 64-bit keyed hashes (SipHash with a random
// key) in a flat open-addressing table kept at most half full, and accepts a
// password only when its hash is new. Equal passwords always hash alike, so no
// password is accepted twice; two different ones that happen to share a hash only
// cost a redraw.
class UniquePasswordSet final : public PasswordFilter {
public:
    // Two 8-byte slots per password.
    static constexpr std::uint64_t kBytesPerPassword = 16;

    // Room for `capacity` passwords. Throws std::bad_alloc when the memory cannot be had.
    explicit UniquePasswordSet(std::uint64_t capacity);
    ~UniquePasswordSet() override;

    UniquePasswordSet(const UniquePasswordSet&) = delete;
    UniquePasswordSet& operator=(const UniquePasswordSet&) = delete;

    // True, and remembered, when no equal password was accepted before. Throws
    // std::length_error past the capacity.
    [[nodiscard]] bool accept(std::string_view password) override;
    // Starts fetching the slot where the password's lookup begins.
    void expect(std::string_view password) override;
    [[nodiscard]] std::uint64_t size() const noexcept { return size_; }

private:
    // Never 0, which marks an empty slot.
    [[nodiscard]] std::uint64_t hashOf(std::string_view password) const noexcept;

    std::uint64_t capacity_;
    std::uint64_t slotCount_;
    std::size_t mappedBytes_;
    // Zero marks an empty slot; fresh pages are zero and cost nothing until touched.
    std::uint64_t* slots_;
    std::uint64_t size_ = 0;
    unsigned char key_[crypto_shorthash_KEYBYTES];
};

} // namespace cardgen
