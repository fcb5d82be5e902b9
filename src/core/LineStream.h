#pragma once

#include "core/BatchGenerator.h"
#include "core/PasswordDrawer.h"
#include "core/PasswordFilter.h"
#include "core/SequenceCounter.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace cardgen {

// The lines of one batch in order, each card number, two spaces, password, CR LF,
// written into blocks that the caller hands in. Unlike the window's run, the codes
// are fixed for the whole batch, so the face-value and batch codes are joined once.
class LineStream {
public:
    // A filter, when given, sees every password and must outlive the stream.
    LineStream(const GenerationSettings& settings, PasswordDrawer& passwords,
               PasswordFilter* filter = nullptr);

    // The longest line the batch can have; a block must have room for one.
    [[nodiscard]] std::size_t maxLineBytes() const noexcept { return maxLineBytes_; }
    // Writes whole lines at out while one more fits in capacity and lines remain;
    // gives the bytes written.
    std::size_t fill(char* out, std::size_t capacity);

    [[nodiscard]] std::int64_t linesMade() const noexcept { return made_; }
    [[nodiscard]] std::int64_t lineCount() const noexcept { return count_; }
    [[nodiscard]] bool done() const noexcept { return made_ == count_; }

    // With a filter, passwords are drawn this many lines ahead and announced to it.
    static constexpr std::size_t kLookahead = 32;

private:
    // The password of the next line, drawn ahead when there is a filter.
    void nextPassword(char* out);

    std::string prefix_; // face-value code and batch code
    SequenceCounter sequence_;
    PasswordDrawer& passwords_;
    PasswordFilter* filter_;
    std::size_t passwordLength_;
    std::int64_t count_;
    std::int64_t made_ = 0;
    std::size_t maxLineBytes_;
    std::string ahead_; // passwords drawn ahead, one after another
    std::size_t aheadUsed_ = 0;
};

} // namespace cardgen
