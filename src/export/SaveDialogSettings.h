#pragma once

#include "text/TextValue.h"

#include <cstdint>
#include <vector>

namespace cardgen {

// The stored settings of the save dialog (texts in GBK).
struct SaveDialogSettings {
    TextValue title;            // "选择导出的卡号密码保存路径"
    TextValue fileName;         // starting name in, chosen path out
    TextValue filter;           // "文本|*.Txt|所有文件|*.*"
    std::int32_t initialFilter = 0;
    TextValue initialDirectory;
    TextValue defaultExtension; // "Txt"
    bool promptToCreate = false;
    bool fileMustExist = true;
    bool confirmOverwrite = true;
    bool pathMustExist = true;
    bool keepCurrentDirectory = false;
};

[[nodiscard]] SaveDialogSettings defaultSaveDialogSettings();

struct FileType {
    TextValue name;
    TextValue pattern;
    friend bool operator==(const FileType&, const FileType&) = default;
};

// The dialog's list of file types from a "name|pattern|name|pattern" filter.
[[nodiscard]] std::vector<FileType> fileTypesFromFilter(const TextValue& filter);

} // namespace cardgen
