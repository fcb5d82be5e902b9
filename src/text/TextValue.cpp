#include "text/TextValue.h"

#include <cstring>
#include <limits>
#include <new>

namespace cardgen {

namespace {

// A text ends at its first zero byte, whatever the view around it holds.
std::string_view untilZero(std::string_view bytes) noexcept {
    const void* zero = bytes.empty() ? nullptr : std::memchr(bytes.data(), '\0', bytes.size());
    if (!zero)
        return bytes;
    return bytes.substr(0, static_cast<std::size_t>(static_cast<const char*>(zero) - bytes.data()));
}

enum class AsciiCase { Upper, Lower };

// Changes only ASCII letters; a high-bit byte takes the next byte with it, so the
// trail byte of a two-byte character is never mistaken for a letter.
TextValue changeAsciiCase(const TextValue& text, AsciiCase target) {
    std::string work(text.bytes());
    const char first = target == AsciiCase::Upper ? 'a' : 'A';
    const char last = target == AsciiCase::Upper ? 'z' : 'Z';
    const std::size_t size = work.size();
    std::size_t i = 0;
    while (i < size) {
        const auto byte = static_cast<unsigned char>(work[i]);
        if (byte >= 0x80) {
            i += 2;
            continue;
        }
        if (work[i] >= first && work[i] <= last)
            work[i] = static_cast<char>(work[i] ^ 0x20);
        ++i;
    }
    return TextValue::fromTrustedBytes(std::move(work));
}

} // namespace

TextValue::TextValue(std::string_view bytes) : bytes_(untilZero(bytes)) {
}

TextValue TextValue::fromTrustedBytes(std::string bytes) noexcept {
    TextValue text;
    text.bytes_ = std::move(bytes);
    return text;
}

TextValue concatText(std::initializer_list<std::string_view> parts) {
    std::size_t total = 0;
    for (const std::string_view part : parts)
        total += untilZero(part).size();
    std::string joined;
    joined.reserve(total);
    for (const std::string_view part : parts)
        joined.append(untilZero(part));
    return TextValue::fromTrustedBytes(std::move(joined));
}

std::int32_t textLength(const TextValue& text) noexcept {
    constexpr auto maxLength = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());
    return static_cast<std::int32_t>(text.size() < maxLength ? text.size() : maxLength);
}

TextValue repeatText(std::int32_t count, const TextValue& text) {
    if (count <= 0 || text.empty())
        return {};
    // Room for the terminating zero byte keeps the total within a signed 32-bit size.
    const std::int64_t total = std::int64_t{count} * static_cast<std::int64_t>(text.size());
    if (total >= std::numeric_limits<std::int32_t>::max())
        return {};
    try {
        std::string repeated;
        if (text.size() == 1) {
            repeated.assign(static_cast<std::size_t>(count), text.bytes().front());
        } else {
            repeated.reserve(static_cast<std::size_t>(total));
            for (std::int32_t i = 0; i < count; ++i)
                repeated.append(text.bytes());
        }
        return TextValue::fromTrustedBytes(std::move(repeated));
    } catch (const std::bad_alloc&) {
        // Unlike the other operations, a failed repeat is not fatal.
        return {};
    }
}

TextValue toUpperAscii(const TextValue& text) {
    return changeAsciiCase(text, AsciiCase::Upper);
}

TextValue toLowerAscii(const TextValue& text) {
    return changeAsciiCase(text, AsciiCase::Lower);
}

TextValue charFromCode(std::int32_t code) {
    const auto byte = static_cast<char>(static_cast<std::uint32_t>(code) & 0xFFu);
    if (byte == '\0')
        return {};
    return TextValue::fromTrustedBytes(std::string(1, byte));
}

ByteBuffer toBytes(const TextValue& text) {
    const std::string_view bytes = text.bytes();
    return ByteBuffer(bytes.begin(), bytes.end());
}

} // namespace cardgen
