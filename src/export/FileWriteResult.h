#pragma once

#include <string>

namespace cardgen {

struct FileWriteResult {
    int error = 0; // errno of the step that failed; 0 when the file was written

    [[nodiscard]] bool written() const noexcept { return error == 0; }
    // The system's description of the error, for the user.
    [[nodiscard]] std::string reason() const;
};

} // namespace cardgen
