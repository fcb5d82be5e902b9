#include "cli/UniquePasswordSet.h"

#include <new>
#include <stdexcept>
#include <sys/mman.h>

namespace cardgen {

UniquePasswordSet::UniquePasswordSet(std::uint64_t capacity)
    : capacity_(capacity), slotCount_(capacity < 4 ? 8 : capacity * 2), mappedBytes_(0), slots_(nullptr) {
    if (sodium_init() < 0) {
        throw std::runtime_error("The system's secure random generator could not be initialised.");
    }
    if (slotCount_ > SIZE_MAX / sizeof(std::uint64_t)) {
        throw std::bad_alloc();
    }
    mappedBytes_ = static_cast<std::size_t>(slotCount_) * sizeof(std::uint64_t);
    void* memory = ::mmap(nullptr, mappedBytes_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED) {
        throw std::bad_alloc();
    }
    // Every lookup lands on a random slot: large pages spare most address-translation misses.
    ::madvise(memory, mappedBytes_, MADV_HUGEPAGE);
    slots_ = static_cast<std::uint64_t*>(memory);
    randombytes_buf(key_, sizeof key_);
}

UniquePasswordSet::~UniquePasswordSet() {
    ::munmap(slots_, mappedBytes_);
    sodium_memzero(key_, sizeof key_);
}

bool UniquePasswordSet::accept(std::string_view password) {
    const std::uint64_t hash = hashOf(password);
    std::uint64_t slot = hash % slotCount_;
    while (slots_[slot] != 0) {
        if (slots_[slot] == hash) {
            return false;
        }
        slot = slot + 1 == slotCount_ ? 0 : slot + 1;
    }
    if (size_ == capacity_) {
        throw std::length_error("UniquePasswordSet is full.");
    }
    slots_[slot] = hash;
    ++size_;
    return true;
}

void UniquePasswordSet::expect(std::string_view password) {
    __builtin_prefetch(slots_ + hashOf(password) % slotCount_);
}

std::uint64_t UniquePasswordSet::hashOf(std::string_view password) const noexcept {
    unsigned char digest[crypto_shorthash_BYTES];
    crypto_shorthash(digest, reinterpret_cast<const unsigned char*>(password.data()), password.size(), key_);
    std::uint64_t hash = 0;
    for (std::size_t i = 0; i < sizeof digest; ++i) {
        hash |= std::uint64_t{digest[i]} << (8 * i);
    }
    return hash == 0 ? 1 : hash;
}

} // namespace cardgen
