#include "core/BatchGenerator.h"

#include "../support/RecordingUiPort.h"
#include "core/CardNumber.h"
#include "core/ControlNames.h"
#include "core/Password.h"
#include "text/Gbk.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <ostream>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace cardgen {
namespace {

using testing::RecordingUiPort;
namespace names = controls;

// Every password starts the same pattern afresh (low, low, high, ...), so a line's
// password depends only on the mode and the length, and the six modes differ.
class CyclingRandom final : public RandomGenerator {
public:
    void reseedFromClock() override { step_ = 0; }
    std::int32_t randomInRange(std::int32_t lo, std::int32_t hi) override {
        return step_++ % 3 == 2 ? hi : lo;
    }

private:
    int step_ = 0;
};

std::string passwordOf(PasswordMode mode, std::int32_t length) {
    CyclingRandom random;
    return std::string(makePassword(mode, length, random).bytes());
}

std::string cardOf(std::string_view face, std::string_view batch, std::string_view sequence,
                   std::int32_t line) {
    return std::string(
        composeCardNumber(TextValue(face), TextValue(batch), TextValue(sequence), line).bytes());
}

std::string createdMessage(std::string_view count) {
    return std::string(
        gbkFromUtf8Lossy("创建成功：你当前生成的卡号密码共计 " + std::string(count) + " 个").bytes());
}

std::vector<std::string> linesOf(std::string_view output) {
    std::vector<std::string> lines;
    while (!output.empty()) {
        const std::size_t end = output.find("\r\n");
        EXPECT_NE(end, std::string_view::npos) << "line without CR LF: " << output;
        lines.emplace_back(output.substr(0, end));
        output.remove_prefix(std::min(output.size(), end + 2));
    }
    return lines;
}

class BatchRun : public ::testing::Test {
protected:
    BatchRun() {
        setText(names::faceValueCodeBox, "56M5F");
        setText(names::batchCodeBox, "A1B2C");
        setText(names::sequenceBox, "00001");
        setText(names::passwordLengthBox, "8");
        setText(names::countBox, "3");
        port.checked.emplace(names::digitsRadio);
    }

    void setText(std::string_view box, std::string_view text) {
        port.texts[std::string(box)] = TextValue(text);
    }

    [[nodiscard]] long callsStartingWith(std::string_view prefix) const {
        return std::count_if(port.calls.begin(), port.calls.end(),
                             [&](const std::string& call) { return call.starts_with(prefix); });
    }

    RecordingUiPort port;
    CyclingRandom random;
    BatchGenerator generator{random};
};

TEST_F(BatchRun, ShortBatchMakesItsCallsInOrder) {
    setText(names::countBox, "2");
    generator.runBatch(port);

    const std::string password = passwordOf(PasswordMode::Digits, 8);
    const std::vector<std::string> expected{
        "isChecked 单选框_数字",
        "isChecked 单选框_小写字母",
        "isChecked 单选框_大写字母",
        "isChecked 单选框_字母大小",
        "isChecked 单选框_数字大写",
        "isChecked 单选框_数字小写",
        "readText 编辑框_密码位数",
        "readText 编辑框_数量",
        "setProgressRange 0 2",
        "setProgressPosition 0",
        "setOutputText ",
        "pumpEvents",
        "readText 编辑框_递增序列",
        "readText 编辑框_面值编码",
        "readText 编辑框_批次编码",
        "appendOutput 56M5FA1B2C00001  " + password + "\r\n",
        "setProgressPosition 1",
        "pumpEvents",
        "readText 编辑框_递增序列",
        "readText 编辑框_面值编码",
        "readText 编辑框_批次编码",
        "appendOutput 56M5FA1B2C00002  " + password + "\r\n",
        "setProgressPosition 2",
        "showInfo " + createdMessage("2"),
    };
    EXPECT_EQ(port.calls, expected);
    EXPECT_EQ(port.output.size(), 54U);
    EXPECT_FALSE(generator.isRunning());
}

TEST_F(BatchRun, ReadsCodesBeforeEveryLineAndTheRestOnce) {
    setText(names::countBox, "4");
    port.onPump = [&](int number) {
        if (number == 3) {
            setText(names::sequenceBox, "00100");
            setText(names::faceValueCodeBox, "9Z");
            setText(names::countBox, "1");
            setText(names::passwordLengthBox, "2");
            port.checked = {std::string(names::lowerLettersRadio)};
        }
        return true;
    };
    generator.runBatch(port);

    const std::string password = passwordOf(PasswordMode::Digits, 8);
    const std::vector<std::string> expected{
        "56M5FA1B2C00001  " + password,
        "56M5FA1B2C00002  " + password,
        "9ZA1B2C00102  " + password,
        "9ZA1B2C00103  " + password,
    };
    EXPECT_EQ(linesOf(port.output), expected);
    EXPECT_EQ(callsStartingWith("readText 编辑框_数量"), 1);
    EXPECT_EQ(callsStartingWith("readText 编辑框_密码位数"), 1);
    EXPECT_EQ(callsStartingWith("isChecked"), 6);
    EXPECT_EQ(callsStartingWith("readText 编辑框_递增序列"), 4);
    EXPECT_EQ(port.messages.back().bytes(), createdMessage("4"));
}

struct CountCase {
    const char* tag;
    const char* countText;
    std::int32_t count; // as read; 0 ends the run silently
    friend void PrintTo(const CountCase& row, std::ostream* out) { *out << row.tag; }
};

class BatchCount : public BatchRun, public ::testing::WithParamInterface<CountCase> {};

TEST_P(BatchCount, DecidesLinesAndMessage) {
    const CountCase& c = GetParam();
    setText(names::countBox, c.countText);
    port.output = "old list\r\n";
    generator.runBatch(port);

    if (c.count == 0) {
        EXPECT_EQ(port.calls.size(), 8U) << "only the settings may be read";
        EXPECT_EQ(port.output, "old list\r\n");
        EXPECT_TRUE(port.messages.empty());
        return;
    }
    const int lineCount = std::max(c.count, 0);
    const std::vector<std::string> lines = linesOf(port.output);
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(lineCount));
    for (int i = 0; i < lineCount; ++i) {
        EXPECT_EQ(lines[static_cast<std::size_t>(i)],
                  cardOf("56M5F", "A1B2C", "00001", i + 1) + "  " + passwordOf(PasswordMode::Digits, 8));
    }
    EXPECT_EQ(port.progressMin, 0);
    EXPECT_EQ(port.progressMax, c.count);
    EXPECT_EQ(port.progressPosition, lineCount);
    ASSERT_EQ(port.messages.size(), 1U);
    EXPECT_EQ(port.messages[0].bytes(), createdMessage(std::to_string(c.count)));
}

INSTANTIATE_TEST_SUITE_P(Counts, BatchCount,
                         ::testing::Values(CountCase{"zero", "0", 0}, CountCase{"empty", "", 0},
                                           CountCase{"letters", "abc", 0},
                                           CountCase{"fraction_below_one", "0.7", 0},
                                           CountCase{"small_negative_fraction", "-0.2", 0},
                                           CountCase{"negative", "-3", -3},
                                           CountCase{"fraction_cut", "2.9", 2},
                                           CountCase{"two_to_32_plus_one_wraps", "4294967297", 1},
                                           CountCase{"two_to_32_minus_one_wraps", "4294967295", -1}),
                         [](const auto& row) { return std::string(row.param.tag); });

struct LengthCase {
    const char* tag;
    const char* lengthText;
    std::int32_t passwordLength;
    friend void PrintTo(const LengthCase& row, std::ostream* out) { *out << row.tag; }
};

class BatchPasswordLength : public BatchRun, public ::testing::WithParamInterface<LengthCase> {};

TEST_P(BatchPasswordLength, IsReadAsATruncatedInteger) {
    setText(names::passwordLengthBox, GetParam().lengthText);
    setText(names::countBox, "2");
    generator.runBatch(port);

    const std::string password = passwordOf(PasswordMode::Digits, GetParam().passwordLength);
    ASSERT_EQ(password.size(), static_cast<std::size_t>(GetParam().passwordLength));
    EXPECT_EQ(port.output, "56M5FA1B2C00001  " + password + "\r\n" + "56M5FA1B2C00002  " + password + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(Lengths, BatchPasswordLength,
                         ::testing::Values(LengthCase{"zero", "0", 0}, LengthCase{"negative", "-4", 0},
                                           LengthCase{"letters", "abc", 0},
                                           LengthCase{"fraction_cut", "8.9", 8}, LengthCase{"one", "1", 1}),
                         [](const auto& row) { return std::string(row.param.tag); });

struct RadioCase {
    const char* tag;
    std::vector<std::string_view> checked;
    PasswordMode mode;
    friend void PrintTo(const RadioCase& row, std::ostream* out) { *out << row.tag; }
};

class BatchPasswordMode : public BatchRun, public ::testing::WithParamInterface<RadioCase> {};

TEST_P(BatchPasswordMode, LastCheckedInTestingOrderWins) {
    port.checked.clear();
    for (const std::string_view radio : GetParam().checked) {
        port.checked.emplace(radio);
    }
    setText(names::passwordLengthBox, "3");
    setText(names::countBox, "1");
    generator.runBatch(port);

    // The fake random source makes each mode's password distinct.
    std::set<std::string> passwords;
    for (int mode = 0; mode < 6; ++mode) {
        passwords.insert(passwordOf(static_cast<PasswordMode>(mode), 3));
    }
    ASSERT_EQ(passwords.size(), 6U);
    EXPECT_EQ(port.output, "56M5FA1B2C00001  " + passwordOf(GetParam().mode, 3) + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Radios, BatchPasswordMode,
    ::testing::Values(RadioCase{"none", {}, PasswordMode::Digits},
                      RadioCase{"digits", {names::digitsRadio}, PasswordMode::Digits},
                      RadioCase{"lower", {names::lowerLettersRadio}, PasswordMode::LowerLetters},
                      RadioCase{"upper", {names::upperLettersRadio}, PasswordMode::UpperLetters},
                      RadioCase{"mixed", {names::mixedCaseRadio}, PasswordMode::MixedCaseLetters},
                      RadioCase{"digits_lower", {names::digitsLowerRadio}, PasswordMode::DigitsLower},
                      RadioCase{"digits_upper", {names::digitsUpperRadio}, PasswordMode::DigitsUpper},
                      RadioCase{"digits_and_lower",
                                {names::digitsRadio, names::lowerLettersRadio},
                                PasswordMode::LowerLetters},
                      RadioCase{"upper_and_mixed",
                                {names::upperLettersRadio, names::mixedCaseRadio},
                                PasswordMode::MixedCaseLetters},
                      RadioCase{"digits_lower_tested_after_digits_upper",
                                {names::digitsLowerRadio, names::digitsUpperRadio},
                                PasswordMode::DigitsLower},
                      RadioCase{"mixed_and_digits_upper",
                                {names::mixedCaseRadio, names::digitsUpperRadio},
                                PasswordMode::DigitsUpper},
                      RadioCase{"all",
                                {names::digitsRadio, names::lowerLettersRadio, names::upperLettersRadio,
                                 names::mixedCaseRadio, names::digitsLowerRadio, names::digitsUpperRadio},
                                PasswordMode::DigitsLower}),
    [](const auto& row) { return std::string(row.param.tag); });

TEST_F(BatchRun, RequestDuringARunIsIgnored) {
    std::size_t callsBeforeNested = 0;
    bool runningInside = false;
    port.onPump = [&](int number) {
        if (number == 2) {
            runningInside = generator.isRunning();
            callsBeforeNested = port.calls.size();
            generator.runBatch(port);
            EXPECT_EQ(port.calls.size(), callsBeforeNested) << "the nested request touched the window";
        }
        return true;
    };
    generator.runBatch(port);

    EXPECT_TRUE(runningInside);
    EXPECT_FALSE(generator.isRunning());
    const std::string password = passwordOf(PasswordMode::Digits, 8);
    EXPECT_EQ(linesOf(port.output),
              (std::vector<std::string>{"56M5FA1B2C00001  " + password, "56M5FA1B2C00002  " + password,
                                        "56M5FA1B2C00003  " + password}));
    EXPECT_EQ(port.messages.size(), 1U);
}

TEST_F(BatchRun, StopsWithoutAnotherCallWhenTheWindowIsGone) {
    setText(names::countBox, "5");
    port.onPump = [](int number) { return number < 3; };
    generator.runBatch(port);

    EXPECT_EQ(port.calls.back(), "pumpEvents");
    EXPECT_EQ(port.pumps, 3);
    EXPECT_EQ(linesOf(port.output).size(), 2U);
    EXPECT_TRUE(port.messages.empty());
    EXPECT_FALSE(generator.isRunning());
}

TEST_F(BatchRun, FailureInsideTheRunPropagatesAndFreesTheGenerator) {
    port.onPump = [](int number) -> bool {
        if (number == 2) {
            throw std::runtime_error("window failed");
        }
        return true;
    };
    EXPECT_THROW(generator.runBatch(port), std::runtime_error);
    EXPECT_FALSE(generator.isRunning());

    port.onPump = nullptr;
    generator.runBatch(port);
    EXPECT_EQ(linesOf(port.output).size(), 3U);
}

} // namespace
} // namespace cardgen
