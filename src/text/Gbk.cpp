#include "text/Gbk.h"

#include <cerrno>
#include <cstdint>
#include <iconv.h>

namespace cardgen {

namespace {

// One iconv descriptor per thread and direction, so conversions need no lock.
class Converter {
public:
    Converter(const char* to, const char* from) : descriptor_(iconv_open(to, from)) {}
    ~Converter() {
        if (valid())
            iconv_close(descriptor_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    [[nodiscard]] bool valid() const noexcept { return descriptor_ != failed(); }
    [[nodiscard]] iconv_t descriptor() const noexcept { return descriptor_; }

private:
    static iconv_t failed() noexcept { return reinterpret_cast<iconv_t>(static_cast<std::intptr_t>(-1)); }

    iconv_t descriptor_;
};

Converter& gbkEncoder() {
    thread_local Converter converter("GBK", "UTF-8");
    return converter;
}

Converter& gbkDecoder() {
    thread_local Converter converter("UTF-8", "GBK");
    return converter;
}

// Converts input into out. At a sequence that cannot be converted, onBad(rest, out)
// may write a replacement and gives the number of bytes to skip, or 0 to give up.
// Without a converter every non-ASCII byte counts as such a sequence.
template <typename OnBad>
bool convert(const Converter& converter, std::string_view input, std::string& out, OnBad onBad) {
    // iconv's interface is not const-correct; it only reads the input.
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    if (converter.valid())
        iconv(converter.descriptor(), nullptr, nullptr, nullptr, nullptr);
    while (inLeft > 0) {
        if (!converter.valid()) {
            while (inLeft > 0 && static_cast<unsigned char>(*in) < 0x80) {
                out.push_back(*in++);
                --inLeft;
            }
        } else {
            char buffer[512];
            char* outPtr = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t result = iconv(converter.descriptor(), &in, &inLeft, &outPtr, &outLeft);
            out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
            if (result != static_cast<std::size_t>(-1) || errno == E2BIG)
                continue;
        }
        if (inLeft == 0)
            break;
        const std::size_t skip = onBad(std::string_view(in, inLeft), out);
        if (skip == 0 || skip > inLeft)
            return false;
        in += skip;
        inLeft -= skip;
        if (converter.valid())
            iconv(converter.descriptor(), nullptr, nullptr, nullptr, nullptr);
    }
    return true;
}

// The length of the well-formed UTF-8 sequence that starts bytes, or 0.
std::size_t utf8SequenceLength(std::string_view bytes) noexcept {
    const auto lead = static_cast<unsigned char>(bytes[0]);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;  // no overlong forms
        high = lead == 0xED ? 0x9F : 0xBF; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF; // nothing above U+10FFFF
    } else {
        return 0;
    }
    if (bytes.size() < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte < low || byte > high)
            return 0;
        low = 0x80;
        high = 0xBF;
    }
    return length;
}

} // namespace

std::optional<TextValue> gbkFromUtf8(std::string_view utf8) {
    std::string gbk;
    gbk.reserve(utf8.size());
    if (!convert(gbkEncoder(), utf8, gbk, [](std::string_view, std::string&) { return std::size_t{0}; }))
        return std::nullopt;
    return TextValue(std::string_view(gbk));
}

TextValue gbkFromUtf8Lossy(std::string_view utf8) {
    std::string gbk;
    gbk.reserve(utf8.size());
    convert(gbkEncoder(), utf8, gbk, [](std::string_view rest, std::string& out) {
        out.push_back('?');
        // A broken byte stands for one character of its own.
        const std::size_t length = utf8SequenceLength(rest);
        return length == 0 ? std::size_t{1} : length;
    });
    return TextValue(std::string_view(gbk));
}

std::string utf8FromGbk(const TextValue& gbk) {
    std::string utf8;
    utf8.reserve(gbk.size() * 3 / 2);
    convert(gbkDecoder(), gbk.bytes(), utf8, [](std::string_view rest, std::string& out) {
        out.append("\xEF\xBF\xBD");
        // A non-ASCII trail byte belongs to the broken pair; an ASCII one stays a character.
        const bool pairedTrail = rest.size() >= 2 && static_cast<unsigned char>(rest[0]) >= 0x81 &&
                                 static_cast<unsigned char>(rest[1]) >= 0x80 &&
                                 static_cast<unsigned char>(rest[1]) <= 0xFE;
        return pairedTrail ? std::size_t{2} : std::size_t{1};
    });
    return utf8;
}

} // namespace cardgen
