// fileTypesFromFilter on arbitrary bytes.
#include "FuzzCheck.h"
#include "export/SaveDialogSettings.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

using cardgen::fuzz::check;

// True when a '|' stands as a character of its own, not as the second byte of a two-byte one.
bool holdsLoneBar(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0x80U) != 0)
            ++i;
        else if (text[i] == '|')
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const cardgen::TextValue filter(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::vector<cardgen::FileType> types = cardgen::fileTypesFromFilter(filter);

    // Joined back with bars, the pairs are the start of the filter less its trailing white
    // space, closed with bars.
    std::string joined;
    for (const cardgen::FileType& type : types) {
        check(!type.name.empty(), "every file type has a name");
        check(!holdsLoneBar(type.name.bytes()) && !holdsLoneBar(type.pattern.bytes()),
              "names and patterns hold no separating bar");
        if (!joined.empty())
            joined.append("|");
        joined.append(type.name.bytes()).append("|").append(type.pattern.bytes());
    }
    std::string_view trimmed = filter.bytes();
    while (!trimmed.empty() && std::string_view(" \t\r\n\v\f").find(trimmed.back()) != std::string_view::npos)
        trimmed.remove_suffix(1);
    const std::string closed = std::string(trimmed) + "||";
    check(closed.starts_with(joined), "the file types are the filter's leading pairs");
    return 0;
}
