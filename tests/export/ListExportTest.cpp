#include "export/ListExport.h"

#include "../support/RecordingUiPort.h"
#include "FaultyFileSystem.h"
#include "TemporaryFolder.h"
#include "core/ControlNames.h"
#include "export/ListExportWithFileSystem.h"
#include "text/Gbk.h"

#include <cstring>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace cardgen {
namespace {

using testing::FaultyFileSystem;
using testing::RecordingUiPort;
using testing::TemporaryFolder;

// Two lines as a batch writes them, the second with a two-byte character.
const std::string kList = "56M5FA1B2C00001  12345678\r\n\xce\xc4\xb1\xbe"
                          "A1B2C00002  87654321\r\n";

std::string gbk(const std::string& utf8) {
    return std::string(gbkFromUtf8Lossy(utf8).bytes());
}

class ListExport : public ::testing::Test {
protected:
    ListExport() {
        target = folder.path() / "list.Txt";
        port.savePath = target;
        port.texts[std::string(controls::outputBox)] = TextValue(kList);
    }

    [[nodiscard]] std::vector<std::string> messages() const {
        std::vector<std::string> texts;
        for (const TextValue& message : port.messages) {
            texts.emplace_back(message.bytes());
        }
        return texts;
    }

    [[nodiscard]] std::string failureMessage(int error) const {
        return gbk("导出失败：" + target.string() + " (" + std::strerror(error) + ")");
    }

    testing::UmaskScope umask{022};
    TemporaryFolder folder;
    std::filesystem::path target;
    RecordingUiPort port;
};

TEST_F(ListExport, WritesTheListByteForByteAndSaysSo) {
    exportList(port);

    EXPECT_EQ(testing::readFile(target), kList);
    EXPECT_EQ(testing::modeOf(target), 0644U);
    EXPECT_EQ(folder.names(), (std::set<std::string>{"list.Txt"}));
    const std::vector<std::string> expectedCalls{"chooseSaveFile", "readText 编辑框_卡号密码",
                                                 "showInfo " + gbk("你当前生成的卡号密码导出保存成功")};
    EXPECT_EQ(port.calls, expectedCalls);
}

TEST_F(ListExport, ReplacesALongerFileWholeAndKeepsItsMode) {
    testing::writeFile(target, std::string(5000, 'x'), 0666);
    exportList(port);

    EXPECT_EQ(testing::readFile(target), kList);
    EXPECT_EQ(testing::modeOf(target), 0666U);
    EXPECT_EQ(messages(), std::vector<std::string>{gbk("你当前生成的卡号密码导出保存成功")});
}

TEST_F(ListExport, EmptyListGivesAnEmptyFile) {
    testing::writeFile(target, "old");
    port.texts.clear();
    exportList(port);

    EXPECT_TRUE(std::filesystem::exists(target));
    EXPECT_EQ(std::filesystem::file_size(target), 0U);
    EXPECT_EQ(messages(), std::vector<std::string>{gbk("你当前生成的卡号密码导出保存成功")});
}

TEST_F(ListExport, CancelTouchesNothing) {
    port.savePath.reset();
    exportList(port);

    EXPECT_EQ(port.calls, std::vector<std::string>{"chooseSaveFile"});
    EXPECT_TRUE(folder.names().empty());
}

TEST_F(ListExport, MissingFolderIsReported) {
    target = folder.path() / "缺少" / "list.Txt";
    port.savePath = target;
    exportList(port);

    EXPECT_TRUE(folder.names().empty());
    EXPECT_EQ(messages(), std::vector<std::string>{failureMessage(ENOENT)});
}

TEST_F(ListExport, ReadOnlyFileIsKeptAndReported) {
    testing::writeFile(target, "kept", 0444);
    exportList(port);

    EXPECT_EQ(testing::readFile(target), "kept");
    EXPECT_EQ(folder.names(), (std::set<std::string>{"list.Txt"}));
    EXPECT_EQ(messages(), std::vector<std::string>{failureMessage(EACCES)});
}

struct FailureCase {
    const char* tag;
    FaultyFileSystem::Step step;
    int error;
    std::size_t bytesBeforeFailure;
    friend void PrintTo(const FailureCase& row, std::ostream* out) { *out << row.tag; }
};

class ListExportFailure : public ListExport, public ::testing::WithParamInterface<FailureCase> {};

// Whatever step fails, the old file stays as it was, no temporary file is left
// and the user is told why.
TEST_P(ListExportFailure, KeepsTheOldFileAndTells) {
    const std::string old = "the previous list\r\n";
    testing::writeFile(target, old, 0640);
    FaultyFileSystem fileSystem;
    fileSystem.failing = GetParam().step;
    fileSystem.error = GetParam().error;
    fileSystem.bytesBeforeFailure = GetParam().bytesBeforeFailure;

    exportList(port, fileSystem);

    EXPECT_EQ(testing::readFile(target), old);
    EXPECT_EQ(testing::modeOf(target), 0640U);
    EXPECT_EQ(folder.names(), (std::set<std::string>{"list.Txt"}));
    EXPECT_EQ(messages(), std::vector<std::string>{failureMessage(GetParam().error)});
}

using Step = FaultyFileSystem::Step;
INSTANTIATE_TEST_SUITE_P(Steps, ListExportFailure,
                         ::testing::Values(FailureCase{"open", Step::OpenFile, EACCES, 0},
                                           FailureCase{"write", Step::Write, ENOSPC, 0},
                                           FailureCase{"short_write_then_error", Step::Write, EDQUOT, 7},
                                           FailureCase{"fsync", Step::Fsync, EIO, 0},
                                           FailureCase{"close", Step::Close, EIO, 0},
                                           FailureCase{"rename", Step::Rename, EXDEV, 0}),
                         [](const auto& row) { return std::string(row.param.tag); });

} // namespace
} // namespace cardgen
