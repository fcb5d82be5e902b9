#include "export/SaveDialogSettings.h"

#include <string>
#include <string_view>

namespace cardgen {

namespace {

// "选择导出的卡号密码保存路径" and "文本|*.Txt|所有文件|*.*" in GBK.
constexpr std::string_view kTitle = "\xd1\xa1\xd4\xf1\xb5\xbc\xb3\xf6\xb5\xc4\xbf\xa8\xba\xc5\xc3\xdc"
                                    "\xc2\xeb\xb1\xa3\xb4\xe6\xc2\xb7\xbe\xb6";
constexpr std::string_view kFilter = "\xce\xc4\xb1\xbe|*.Txt|\xcb\xf9\xd3\xd0\xce\xc4\xbc\xfe|*.*";

bool isTrailingSpace(char byte) noexcept {
    return byte == ' ' || byte == '\t' || byte == '\r' || byte == '\n' || byte == '\v' || byte == '\f';
}

bool isLeadByte(char byte) noexcept {
    return (static_cast<unsigned char>(byte) & 0x80U) != 0;
}

} // namespace

SaveDialogSettings defaultSaveDialogSettings() {
    SaveDialogSettings settings;
    settings.title = TextValue(kTitle);
    settings.filter = TextValue(kFilter);
    settings.defaultExtension = TextValue("Txt");
    return settings;
}

std::vector<FileType> fileTypesFromFilter(const TextValue& filter) {
    std::string_view text = filter.bytes();
    while (!text.empty() && isTrailingSpace(text.back())) {
        text.remove_suffix(1);
    }
    if (text.empty()) {
        return {};
    }
    std::string closed(text);
    if (!closed.ends_with("||")) {
        closed += "||";
    }

    // Split at every '|' that is a character of its own. The first empty entry
    // closes the list, as the closing "||" does at the end.
    std::vector<std::string_view> entries;
    std::size_t start = 0;
    for (std::size_t i = 0; i < closed.size(); ++i) {
        if (isLeadByte(closed[i])) {
            ++i; // the second byte of the character may itself be '|'
        } else if (closed[i] == '|') {
            if (i == start) {
                break;
            }
            entries.emplace_back(closed.data() + start, i - start);
            start = i + 1;
        }
    }

    // Name and pattern pairs; a name left without a pattern gets an empty one.
    std::vector<FileType> types;
    for (std::size_t i = 0; i < entries.size(); i += 2) {
        const std::string_view pattern = i + 1 < entries.size() ? entries[i + 1] : std::string_view();
        types.push_back({TextValue(entries[i]), TextValue(pattern)});
    }
    return types;
}

} // namespace cardgen
