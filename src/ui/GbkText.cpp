#include "ui/GbkText.h"

#include "text/Gbk.h"

#include <algorithm>

namespace cardgen {

namespace {

bool isAscii(std::string_view bytes) noexcept {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char b) { return static_cast<unsigned char>(b) < 0x80; });
}

bool isAscii(const QString& text) noexcept {
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; });
}

} // namespace

// ASCII reads the same in GBK and UTF-8, and the codes, counts and lines are
// nearly always ASCII: they skip the converter.
QString qStringFromGbk(std::string_view gbk) {
    if (isAscii(gbk))
        return QString::fromLatin1(gbk.data(), static_cast<qsizetype>(gbk.size()));
    return QString::fromStdString(utf8FromGbk(TextValue(gbk)));
}

std::string gbkFromQString(const QString& text) {
    if (isAscii(text)) {
        std::string bytes(static_cast<std::size_t>(text.size()), '\0');
        std::transform(text.cbegin(), text.cend(), bytes.begin(),
                       [](QChar c) { return static_cast<char>(c.unicode()); });
        return bytes;
    }
    return std::string(gbkFromUtf8Lossy(text.toStdString()).bytes());
}

TextValue textFromQString(const QString& text) {
    return TextValue(gbkFromQString(text));
}

} // namespace cardgen
