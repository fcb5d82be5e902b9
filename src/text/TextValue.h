#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace cardgen {

// A text as bytes in the ANSI code page (GBK for Chinese). It never holds a zero
// byte: construction keeps the bytes before the first one. A byte with the high
// bit set starts a two-byte character. The default value is the empty text.
class TextValue {
public:
    TextValue() noexcept = default;
    explicit TextValue(std::string_view bytes);
    explicit TextValue(const char* bytes) : TextValue(std::string_view(bytes ? bytes : "")) {}

    [[nodiscard]] std::string_view bytes() const noexcept { return bytes_; }
    [[nodiscard]] const char* c_str() const noexcept { return bytes_.c_str(); }
    [[nodiscard]] bool empty() const noexcept { return bytes_.empty(); }
    [[nodiscard]] std::size_t size() const noexcept { return bytes_.size(); }

    // Views convert freely so texts can be joined and compared without copies.
    operator std::string_view() const noexcept { return bytes_; }

    friend bool operator==(const TextValue&, const TextValue&) = default;

    // Takes bytes known to hold no zero byte, without checking (hot paths).
    [[nodiscard]] static TextValue fromTrustedBytes(std::string bytes) noexcept;

private:
    std::string bytes_;
};

// Raw bytes as they are written to a file; may hold zero bytes.
using ByteBuffer = std::vector<unsigned char>;

[[nodiscard]] TextValue concatText(std::initializer_list<std::string_view> parts);
[[nodiscard]] std::int32_t textLength(const TextValue& text) noexcept;
[[nodiscard]] TextValue repeatText(std::int32_t count, const TextValue& text);
[[nodiscard]] TextValue toUpperAscii(const TextValue& text);
[[nodiscard]] TextValue toLowerAscii(const TextValue& text);
[[nodiscard]] TextValue charFromCode(std::int32_t code);
[[nodiscard]] ByteBuffer toBytes(const TextValue& text);

} // namespace cardgen
