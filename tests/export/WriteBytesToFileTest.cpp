#include "export/WriteBytesToFile.h"

#include "FaultyFileSystem.h"
#include "TemporaryFolder.h"

#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
#include <set>
#include <span>
#include <string>

namespace cardgen {
namespace {

using testing::FaultyFileSystem;
using testing::TemporaryFolder;

std::span<const unsigned char> bytesOf(const std::string& text) {
    return {reinterpret_cast<const unsigned char*>(text.data()), text.size()};
}

class WriteBytesToFile : public ::testing::Test {
protected:
    testing::UmaskScope umask{022};
    TemporaryFolder folder;
    std::string content = std::string(100'000, 'a') + "\r\nend";
};

TEST_F(WriteBytesToFile, KeepsWritingAfterShortAndInterruptedWrites) {
    FaultyFileSystem fileSystem;
    fileSystem.writeLimit = 4093;
    fileSystem.interruptions = 2;
    const auto target = folder.path() / "list.Txt";

    const FileWriteResult result = writeBytesToFile(target, bytesOf(content), fileSystem);

    EXPECT_TRUE(result.written()) << result.reason();
    EXPECT_EQ(testing::readFile(target), content);
}

TEST_F(WriteBytesToFile, NewFileModeHonoursTheUmask) {
    const testing::UmaskScope strict(027);
    const auto target = folder.path() / "list.Txt";
    ASSERT_TRUE(writeBytesToFile(target, bytesOf(content)).written());
    EXPECT_EQ(testing::modeOf(target), 0640U);
}

TEST_F(WriteBytesToFile, ReplacesTheFileALinkNamesAndKeepsTheLink) {
    const auto real = folder.path() / "real.Txt";
    const auto link = folder.path() / "link.Txt";
    testing::writeFile(real, "old and longer than the new bytes");
    std::filesystem::create_symlink(real, link);

    ASSERT_TRUE(writeBytesToFile(link, bytesOf("new")).written());

    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(testing::readFile(real), "new");
    EXPECT_EQ(folder.names(), (std::set<std::string>{"link.Txt", "real.Txt"}));
}

TEST_F(WriteBytesToFile, LongestFileNameStillGetsATemporaryFile) {
    const auto target = folder.path() / std::string(255, 'n');
    ASSERT_TRUE(writeBytesToFile(target, bytesOf(content)).written());
    EXPECT_EQ(testing::readFile(target), content);
    EXPECT_EQ(folder.names().size(), 1U);
}

TEST_F(WriteBytesToFile, RefusesTargetsThatAreNoFile) {
    const auto subfolder = folder.path() / "sub";
    std::filesystem::create_directory(subfolder);
    testing::writeFile(subfolder / "kept", "x");

    EXPECT_EQ(writeBytesToFile(subfolder, bytesOf(content)).error, EISDIR);
    EXPECT_EQ(writeBytesToFile(folder.path() / "sub/", bytesOf(content)).error, EISDIR);
    EXPECT_EQ(writeBytesToFile(std::filesystem::path(), bytesOf(content)).error, ENOENT);
    EXPECT_EQ(testing::readFile(subfolder / "kept"), "x");
    EXPECT_EQ(folder.names(), (std::set<std::string>{"sub"}));
}

TEST_F(WriteBytesToFile, ReasonIsTheSystemsText) {
    EXPECT_EQ(FileWriteResult{ENOSPC}.reason(), std::strerror(ENOSPC));
}

} // namespace
} // namespace cardgen
