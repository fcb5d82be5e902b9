#include "export/ListExport.h"

#include "core/ControlNames.h"
#include "export/ListExportWithFileSystem.h"
#include "export/PosixFileSystem.h"
#include "export/WriteBytesToFile.h"
#include "text/Gbk.h"

#include <span>
#include <string_view>

namespace cardgen {

namespace {

// "你当前生成的卡号密码导出保存成功" and "导出失败：" in GBK.
constexpr std::string_view kSavedMessage = "\xc4\xe3\xb5\xb1\xc7\xb0\xc9\xfa\xb3\xc9\xb5\xc4\xbf\xa8\xba\xc5"
                                           "\xc3\xdc\xc2\xeb\xb5\xbc\xb3\xf6\xb1\xa3\xb4\xe6\xb3\xc9\xb9\xa6";
constexpr std::string_view kFailedPrefix = "\xb5\xbc\xb3\xf6\xca\xa7\xb0\xdc\xa3\xba";

} // namespace

void exportList(UiPort& port, FileSystem& fileSystem) {
    const std::optional<std::filesystem::path> path = port.chooseSaveFile();
    if (!path) {
        return;
    }
    // Read after the dialog has closed, and written as the box holds it.
    const TextValue list = port.readText(controls::outputBox);
    const std::span<const unsigned char> bytes(reinterpret_cast<const unsigned char*>(list.c_str()),
                                               list.size());

    const FileWriteResult result = writeBytesToFile(*path, bytes, fileSystem);
    if (result.written()) {
        port.showInfo(TextValue(kSavedMessage));
        return;
    }
    // The path is file-system bytes, shown as UTF-8 would read.
    port.showInfo(concatText(
        {kFailedPrefix, gbkFromUtf8Lossy(path->string()), " (", gbkFromUtf8Lossy(result.reason()), ")"}));
}

void exportList(UiPort& port) {
    exportList(port, PosixFileSystem::instance());
}

} // namespace cardgen
