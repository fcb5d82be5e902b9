#include "core/LineStream.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace cardgen {

namespace {

// No sequence part is longer than its text or than the longest number, "-2147483648".
constexpr std::size_t kLongestNumber = 11;
constexpr std::size_t kSeparatorBytes = 2; // two spaces
constexpr std::size_t kLineEndBytes = 2;   // CR LF

} // namespace

LineStream::LineStream(const GenerationSettings& settings, PasswordDrawer& passwords, PasswordFilter* filter)
    : sequence_(settings.sequenceText), passwords_(passwords), filter_(filter),
      passwordLength_(settings.passwordLength > 0 ? static_cast<std::size_t>(settings.passwordLength) : 0),
      count_(std::max<std::int64_t>(settings.count, 0)) {
    prefix_.reserve(settings.faceValueCode.size() + settings.batchCode.size());
    prefix_.append(settings.faceValueCode.bytes());
    prefix_.append(settings.batchCode.bytes());
    maxLineBytes_ = prefix_.size() + std::max(settings.sequenceText.size(), kLongestNumber) +
                    kSeparatorBytes + passwordLength_ + kLineEndBytes;
}

std::size_t LineStream::fill(char* out, std::size_t capacity) {
    char* p = out;
    char* const end = out + capacity;
    while (made_ < count_ && static_cast<std::size_t>(end - p) >= maxLineBytes_) {
        std::memcpy(p, prefix_.data(), prefix_.size());
        p += prefix_.size();
        const std::string_view part = sequence_.current();
        std::memcpy(p, part.data(), part.size());
        p += part.size();
        p[0] = ' ';
        p[1] = ' ';
        p += kSeparatorBytes;
        nextPassword(p);
        p += passwordLength_;
        p[0] = '\r';
        p[1] = '\n';
        p += kLineEndBytes;
        ++made_;
        sequence_.advance();
    }
    return static_cast<std::size_t>(p - out);
}

void LineStream::nextPassword(char* out) {
    if (filter_ == nullptr) {
        passwords_.draw(out, passwordLength_);
        return;
    }
    // Announcing a few passwords before they are checked lets a filter that looks
    // them up in a large table have several lookups under way at once.
    if (aheadUsed_ == ahead_.size()) {
        const auto lines = static_cast<std::size_t>(std::min<std::int64_t>(kLookahead, count_ - made_));
        ahead_.resize(lines * passwordLength_);
        aheadUsed_ = 0;
        for (std::size_t i = 0; i < lines; ++i) {
            char* password = ahead_.data() + i * passwordLength_;
            passwords_.draw(password, passwordLength_);
            filter_->expect(std::string_view(password, passwordLength_));
        }
    }
    std::memcpy(out, ahead_.data() + aheadUsed_, passwordLength_);
    aheadUsed_ += passwordLength_;
    // A refused password is drawn again on the spot; that is rare when a filter is
    // used as meant.
    while (!filter_->accept(std::string_view(out, passwordLength_))) {
        passwords_.draw(out, passwordLength_);
    }
}

} // namespace cardgen
