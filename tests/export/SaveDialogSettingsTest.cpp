#include "export/SaveDialogSettings.h"

#include "text/Gbk.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace cardgen {
namespace {

TextValue gbk(const char* utf8) {
    return gbkFromUtf8Lossy(utf8);
}

TEST(SaveDialogSettings, DefaultsAreTheStoredDialogSettings) {
    const SaveDialogSettings settings = defaultSaveDialogSettings();
    EXPECT_EQ(settings.title, gbk("选择导出的卡号密码保存路径"));
    EXPECT_EQ(settings.fileName, TextValue());
    EXPECT_EQ(settings.filter, gbk("文本|*.Txt|所有文件|*.*"));
    EXPECT_EQ(settings.initialFilter, 0);
    EXPECT_EQ(settings.initialDirectory, TextValue());
    EXPECT_EQ(settings.defaultExtension, TextValue("Txt"));
    EXPECT_FALSE(settings.promptToCreate);
    EXPECT_TRUE(settings.fileMustExist);
    EXPECT_TRUE(settings.confirmOverwrite);
    EXPECT_TRUE(settings.pathMustExist);
    EXPECT_FALSE(settings.keepCurrentDirectory);

    const std::vector<FileType> expected{{gbk("文本"), TextValue("*.Txt")},
                                         {gbk("所有文件"), TextValue("*.*")}};
    EXPECT_EQ(fileTypesFromFilter(settings.filter), expected);
}

struct FilterCase {
    const char* tag;
    const char* filter;
    std::vector<std::pair<const char*, const char*>> types;
    friend void PrintTo(const FilterCase& row, std::ostream* out) { *out << row.tag; }
};

class FilterParsing : public ::testing::TestWithParam<FilterCase> {};

TEST_P(FilterParsing, GivesTheFileTypes) {
    std::vector<FileType> expected;
    for (const auto& [name, pattern] : GetParam().types) {
        expected.push_back({TextValue(name), TextValue(pattern)});
    }
    EXPECT_EQ(fileTypesFromFilter(TextValue(GetParam().filter)), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Filters, FilterParsing,
    ::testing::Values(FilterCase{"empty", "", {}}, FilterCase{"only_white_space", " \t\r\n\v\f", {}},
                      FilterCase{"only_bars", "||", {}},
                      FilterCase{"trailing_white_space_removed", "Text|*.txt \r\n", {{"Text", "*.txt"}}},
                      FilterCase{"leading_white_space_kept", " Text|*.txt", {{" Text", "*.txt"}}},
                      FilterCase{"already_closed", "Text|*.txt||", {{"Text", "*.txt"}}},
                      FilterCase{"name_without_pattern", "Text|*.txt|All", {{"Text", "*.txt"}, {"All", ""}}},
                      FilterCase{"empty_entry_ends_the_list", "Text||All|*.*", {{"Text", ""}}},
                      FilterCase{"bar_as_second_byte_of_a_character", "\x81|x|*.x", {{"\x81|x", "*.x"}}},
                      FilterCase{"character_bar_before_final_bar", "\x81||", {{"\x81|", ""}}},
                      FilterCase{"lead_byte_at_the_end_takes_a_bar", "Text|\x81", {{"Text", "\x81|"}}}),
    [](const auto& row) { return std::string(row.param.tag); });

} // namespace
} // namespace cardgen
