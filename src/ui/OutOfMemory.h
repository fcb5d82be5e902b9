#pragma once

#include <cstddef>
#include <new>

namespace cardgen {

// Running out of memory where the size asked for is known, so the user can be told.
class OutOfMemory : public std::bad_alloc {
public:
    explicit OutOfMemory(std::size_t bytes) noexcept : bytes_(bytes) {}

    [[nodiscard]] std::size_t bytes() const noexcept { return bytes_; }
    [[nodiscard]] const char* what() const noexcept override { return "out of memory"; }

private:
    std::size_t bytes_;
};

} // namespace cardgen
