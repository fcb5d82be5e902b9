#include "cli/CommandLine.h"

#include "../support/RecordingUiPort.h"
#include "CliHarness.h"
#include "core/BatchGenerator.h"
#include "core/CardNumber.h"
#include "core/ControlNames.h"
#include "core/SecureRandom.h"
#include "text/Gbk.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace cardgen {
namespace {

using testing::CliHarness;
using testing::CliResult;
using testing::FaultyFileSystem;
using testing::splitLines;

// The card column and the password column of every line, checked for the shape
// card + two spaces + password of the class and length.
struct Columns {
    std::vector<std::string> cards;
    std::vector<std::string> passwords;
};

Columns columnsOf(std::string_view output, std::size_t passwordLength, PasswordMode mode) {
    Columns columns;
    for (const std::string& line : splitLines(output)) {
        if (line.size() < passwordLength + 2 ||
            line.compare(line.size() - passwordLength - 2, 2, "  ") != 0) {
            ADD_FAILURE() << "not card, two spaces, password: " << line;
            continue;
        }
        const std::string password = line.substr(line.size() - passwordLength);
        EXPECT_EQ(password.find_first_not_of(testing::classOf(mode)), std::string::npos) << password;
        columns.cards.push_back(line.substr(0, line.size() - passwordLength - 2));
        columns.passwords.push_back(password);
    }
    return columns;
}

std::vector<std::string> cardsOf(std::string_view face, std::string_view batch, std::string_view sequence,
                                 int count) {
    std::vector<std::string> cards;
    for (int i = 1; i <= count; ++i) {
        cards.emplace_back(
            composeCardNumber(TextValue(face), TextValue(batch), TextValue(sequence), i).bytes());
    }
    return cards;
}

// The window's own run with its starting texts, through the core's batch loop.
TEST(CommandLine, DefaultsMakeTheWindowsBatch) {
    testing::RecordingUiPort window;
    window.texts[std::string(controls::faceValueCodeBox)] = TextValue("56M5F");
    window.texts[std::string(controls::batchCodeBox)] = TextValue("A1B2C");
    window.texts[std::string(controls::sequenceBox)] = TextValue("00001");
    window.texts[std::string(controls::passwordLengthBox)] = TextValue("8");
    window.texts[std::string(controls::countBox)] = TextValue("50");
    window.checked.insert(std::string(controls::digitsRadio));
    SecureRandom random;
    BatchGenerator(random).runBatch(window);

    CliHarness cli;
    const CliResult result = cli.run({});

    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    const Columns mine = columnsOf(result.out, 8, PasswordMode::Digits);
    const Columns windows = columnsOf(window.output, 8, PasswordMode::Digits);
    EXPECT_EQ(mine.cards, windows.cards);
    EXPECT_EQ(mine.cards.size(), 50U);
    EXPECT_EQ(result.out.size(), window.output.size());
}

struct LinesCase {
    std::string_view name;
    std::vector<std::string> args;
    // GBK codes as the core sees them.
    std::string_view face;
    std::string_view batch;
    std::string_view sequence;
    PasswordMode mode;
    std::size_t length;
    int count;
};

class CommandLineLines : public ::testing::TestWithParam<LinesCase> {};

TEST_P(CommandLineLines, MatchTheCoresCardNumbersAndClasses) {
    const LinesCase& c = GetParam();
    CliHarness cli;
    const CliResult result = cli.run(c.args);

    ASSERT_EQ(result.status, 0) << result.err;
    const Columns columns = columnsOf(result.out, c.length, c.mode);
    EXPECT_EQ(columns.cards, cardsOf(c.face, c.batch, c.sequence, c.count));
}

INSTANTIATE_TEST_SUITE_P(
    Table, CommandLineLines,
    ::testing::Values(LinesCase{"WidthGrowsPast99999",
                                {"--start=99990", "--count=20", "--mode=lower", "--length=5"},
                                "56M5F",
                                "A1B2C",
                                "99990",
                                PasswordMode::LowerLetters,
                                5,
                                20},
                      LinesCase{"ChineseCodesInGbk",
                                {"--face", "面值", "--batch", "批次", "--start", "零", "--mode", "upper",
                                 "--count", "120"},
                                "\xc3\xe6\xd6\xb5",
                                "\xc5\xfa\xb4\xce",
                                "\xc1\xe3",
                                PasswordMode::UpperLetters,
                                8,
                                120},
                      LinesCase{"NegativeStart",
                                {"--start=-0005", "--count=12", "--mode=mixed", "--length=1"},
                                "56M5F",
                                "A1B2C",
                                "-0005",
                                PasswordMode::MixedCaseLetters,
                                1,
                                12},
                      LinesCase{"NoNumberAndEmptyCodes",
                                {"--face=", "--batch=", "--start=abc", "--count=1001", "--mode=digits-lower",
                                 "--length=30"},
                                "",
                                "",
                                "abc",
                                PasswordMode::DigitsLower,
                                30,
                                1001},
                      LinesCase{"EmptySequenceLongPasswords",
                                {"--start=", "--count=15", "--mode=digits-upper", "--length=1024"},
                                "56M5F",
                                "A1B2C",
                                "",
                                PasswordMode::DigitsUpper,
                                1024,
                                15},
                      LinesCase{"FractionStart",
                                {"--start=12.7", "--count=3"},
                                "56M5F",
                                "A1B2C",
                                "12.7",
                                PasswordMode::Digits,
                                8,
                                3}),
    testing::CaseName());

struct BadInputCase {
    std::string_view name;
    std::vector<std::string> args;
    std::string_view message; // after "cardgen-cli: "
};

class CommandLineBadInput : public ::testing::TestWithParam<BadInputCase> {};

// Refused before anything is written: one line on standard error, status 2, no
// output and no file, new or old, touched.
TEST_P(CommandLineBadInput, RefusesWithOneLineAndStatus2) {
    const BadInputCase& c = GetParam();
    CliHarness cli;
    testing::writeFile(cli.folder.path() / "old.txt", "old\r\n");
    std::vector<std::string> args = {"-o", cli.pathOf("new.txt"), "--output", cli.pathOf("old.txt")};
    args.insert(args.end(), c.args.begin(), c.args.end());

    const CliResult result = cli.run(args);

    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, "cardgen-cli: " + std::string(c.message) + "\n");
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(cli.folder.names(), std::set<std::string>{"old.txt"});
    EXPECT_EQ(testing::readFile(cli.folder.path() / "old.txt"), "old\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Table, CommandLineBadInput,
    ::testing::Values(
        BadInputCase{"UnknownLongOption", {"--colour", "red"}, "unknown option '--colour' (see --help)"},
        BadInputCase{"UnknownShortOption", {"-x"}, "unknown option '-x' (see --help)"},
        BadInputCase{"UnexpectedArgument", {"extra"}, "unexpected argument 'extra' (see --help)"},
        BadInputCase{"MissingValue", {"--count"}, "option --count needs a value"},
        BadInputCase{"MissingOutputName", {"-o"}, "option -o needs a value"},
        BadInputCase{"EmptyOutputName", {"--output="}, "option --output needs a file name"},
        BadInputCase{"FlagWithValue", {"--unique=yes"}, "option --unique takes no value"},
        BadInputCase{"CountNotANumber",
                     {"--count", "abc"},
                     "--count must be a whole number from 0 to 2147483647, not 'abc'"},
        BadInputCase{
            "CountEmpty", {"--count="}, "--count must be a whole number from 0 to 2147483647, not ''"},
        BadInputCase{"CountFraction",
                     {"--count=12.5"},
                     "--count must be a whole number from 0 to 2147483647, not '12.5'"},
        BadInputCase{"CountExponent",
                     {"--count=1e3"},
                     "--count must be a whole number from 0 to 2147483647, not '1e3'"},
        BadInputCase{
            "CountNegative", {"--count=-1"}, "--count must be a whole number from 0 to 2147483647, not '-1'"},
        BadInputCase{"CountTooLarge",
                     {"--count=2147483648"},
                     "--count must be a whole number from 0 to 2147483647, not '2147483648'"},
        BadInputCase{"CountOverflows",
                     {"--count=99999999999999999999"},
                     "--count must be a whole number from 0 to 2147483647, not '99999999999999999999'"},
        BadInputCase{"LengthZero", {"--length=0"}, "--length must be a whole number from 1 to 1024, not '0'"},
        BadInputCase{"LengthTooLong",
                     {"--length", "1025"},
                     "--length must be a whole number from 1 to 1024, not '1025'"},
        BadInputCase{
            "LengthWithUnit", {"--length=8x"}, "--length must be a whole number from 1 to 1024, not '8x'"},
        BadInputCase{
            "UnknownMode",
            {"--mode=letters"},
            "unknown --mode 'letters' (use digits, lower, upper, mixed, digits-lower or digits-upper)"},
        BadInputCase{
            "ModeIsCaseSensitive",
            {"--mode=Digits"},
            "unknown --mode 'Digits' (use digits, lower, upper, mixed, digits-lower or digits-upper)"},
        BadInputCase{
            "FaceWithoutGbk",
            {"--face=A😀"},
            "--face 'A😀' has a character that cannot be written in GBK (arguments are read as UTF-8)"},
        BadInputCase{
            "BatchNotUtf8",
            {"--batch=\xff"},
            "--batch '\xff' has a character that cannot be written in GBK (arguments are read as UTF-8)"},
        BadInputCase{
            "StartWithoutGbk",
            {"--start", "\xe2\x82\xa9"},
            "--start '\xe2\x82\xa9' has a character that cannot be written in GBK (arguments are read as "
            "UTF-8)"},
        BadInputCase{
            "UniqueMoreThanHalfTheSpace",
            {"--unique", "--length=3", "--count=501"},
            "--unique: there are only 1000 different digits passwords of length 3; --count can be at most "
            "500 (half of them) with this --mode and --length"},
        BadInputCase{
            "UniqueSmallLetterSpace",
            {"--unique", "--mode=upper", "--length=1", "--count=13"},
            "--unique: there are only 24 different upper passwords of length 1; --count can be at most "
            "12 (half of them) with this --mode and --length"},
        BadInputCase{
            "UniqueBeyondMemory",
            {"--unique", "--length=16", "--count=2000000000"},
            "--unique: 2000000000 lines need about 29.8 GiB of memory, more than half of this machine's "
            "16.0 GiB"}),
    testing::CaseName());

TEST(CommandLine, HelpAndVersionGoToStandardOutput) {
    CliHarness version;
    EXPECT_EQ(version.run({"--version"}).out, "cardgen-cli 1.0\n");
    CliHarness help;
    const CliResult result = help.run({"--count=5", "--help"});
    EXPECT_EQ(result.status, 0);
    EXPECT_TRUE(result.out.starts_with("Usage: cardgen-cli [options]\n")) << result.out;
    EXPECT_NE(result.out.find("about 16 bytes\n                    per line"), std::string::npos);
    EXPECT_EQ(result.err, "");
}

class CommandLineFile : public ::testing::Test {
protected:
    testing::UmaskScope umask{022};
    CliHarness cli;
    std::filesystem::path target = cli.folder.path() / "list.txt";
};

TEST_F(CommandLineFile, WritesTheWholeBatch) {
    const CliResult result = cli.run({"--count=3000", "-o", target.string()});

    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(columnsOf(testing::readFile(target), 8, PasswordMode::Digits).cards,
              cardsOf("56M5F", "A1B2C", "00001", 3000));
    EXPECT_EQ(testing::modeOf(target), 0644U);
    EXPECT_EQ(cli.folder.names(), std::set<std::string>{"list.txt"});
}

TEST_F(CommandLineFile, ReplacesAnOldFileAndZeroLinesGiveAnEmptyOne) {
    testing::writeFile(target, "old\r\n", 0600);
    ASSERT_EQ(cli.run({"--count=0", "--output", target.string()}).status, 0);
    EXPECT_EQ(testing::readFile(target), "");
    EXPECT_EQ(testing::modeOf(target), 0600U);
}

TEST_F(CommandLineFile, DeviceIsWrittenAsItIs) {
    const CliResult result = cli.run({"--count=1000", "-o", "/dev/null"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
}

struct FileFailureCase {
    std::string_view name;
    FaultyFileSystem::Step step;
    int error;
    bool missingFolder;
};

class CommandLineFileFailure : public ::testing::TestWithParam<FileFailureCase> {};

// A run that cannot finish its file says why, with status 1, and leaves the old
// file whole and no temporary file behind.
TEST_P(CommandLineFileFailure, KeepsTheOldFile) {
    const FileFailureCase& c = GetParam();
    CliHarness cli;
    const auto old = cli.folder.path() / "list.txt";
    testing::writeFile(old, "old\r\n");
    const auto target = c.missingFolder ? cli.folder.path() / "missing" / "list.txt" : old;
    cli.fileSystem.failing = c.step;
    cli.fileSystem.error = c.error;
    cli.fileSystem.bytesBeforeFailure = 3u << 20; // a few blocks in

    const CliResult result = cli.run({"--count=500000", "-o", target.string()});

    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err,
              "cardgen-cli: cannot write '" + target.string() + "': " + std::strerror(c.error) + "\n");
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(testing::readFile(old), "old\r\n");
    EXPECT_EQ(cli.folder.names(), std::set<std::string>{"list.txt"});
}

INSTANTIATE_TEST_SUITE_P(
    Table, CommandLineFileFailure,
    ::testing::Values(FileFailureCase{"MissingFolder", FaultyFileSystem::Step::None, ENOENT, true},
                      FileFailureCase{"CannotCreate", FaultyFileSystem::Step::OpenFile, EACCES, false},
                      FileFailureCase{"DiskFullMidway", FaultyFileSystem::Step::Write, ENOSPC, false},
                      FileFailureCase{"SyncFails", FaultyFileSystem::Step::Fsync, EIO, false},
                      FileFailureCase{"RenameFails", FaultyFileSystem::Step::Rename, EXDEV, false}),
    testing::CaseName());

TEST(CommandLine, StandardOutputFailureIsReported) {
    CliHarness cli;
    cli.fileSystem.failing = FaultyFileSystem::Step::Write;
    cli.fileSystem.error = ENOSPC;
    const CliResult result = cli.run({"--count=10"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "cardgen-cli: cannot write to standard output: No space left on device\n");
}

TEST(CommandLine, ClosedPipeEndsQuietlyWithStatus1) {
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    ::close(fds[0]);
    const auto oldHandler = std::signal(SIGPIPE, SIG_IGN);
    CliHarness cli;
    cli.environment.outputFd = fds[1];

    const CliResult result = cli.run({"--count=100000"});

    std::signal(SIGPIPE, oldHandler);
    ::close(fds[1]);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "");
}

TEST(CommandLine, StopSignalRemovesTheUnfinishedFile) {
    CliHarness cli;
    const auto target = cli.folder.path() / "list.txt";
    testing::writeFile(target, "old\r\n");
    cli.stopSignal = SIGTERM;

    const CliResult result = cli.run({"--count=100000", "-o", target.string()});

    EXPECT_EQ(result.status, 128 + SIGTERM);
    EXPECT_EQ(testing::readFile(target), "old\r\n");
    EXPECT_EQ(cli.folder.names(), std::set<std::string>{"list.txt"});
}

struct ProgressCase {
    std::string_view name;
    bool errorIsTerminal;
    bool outputIsTerminal;
    bool toFile;
    bool shown;
};

class CommandLineProgress : public ::testing::TestWithParam<ProgressCase> {};

// With a clock that moves 300 ms per reading, a run of several blocks is "long".
TEST_P(CommandLineProgress, ShownOnlyOnATerminalThatIsNotTheOutput) {
    const ProgressCase& c = GetParam();
    CliHarness cli;
    cli.tick = std::chrono::milliseconds(300);
    cli.environment.errorIsTerminal = c.errorIsTerminal;
    cli.environment.outputIsTerminal = c.outputIsTerminal;
    std::vector<std::string> args = {"--count=200000"};
    if (c.toFile) {
        args.insert(args.end(), {"-o", cli.pathOf("list.txt")});
    }

    const CliResult result = cli.run(args);

    ASSERT_EQ(result.status, 0) << result.err;
    if (!c.shown) {
        EXPECT_EQ(result.err, "");
        return;
    }
    EXPECT_TRUE(result.err.starts_with("\r")) << result.err;
    EXPECT_NE(result.err.find(" of 200,000 lines ("), std::string::npos) << result.err;
    EXPECT_NE(result.err.find(" lines/s, "), std::string::npos) << result.err;
    EXPECT_NE(result.err.find(" left"), std::string::npos) << result.err;
    // Ends by blanking the line and returning to its start.
    const std::size_t lastText = result.err.find_last_not_of(" \r");
    EXPECT_EQ(result.err.substr(lastText + 1),
              "\r" + std::string(result.err.size() - lastText - 3, ' ') + "\r");
}

INSTANTIATE_TEST_SUITE_P(Table, CommandLineProgress,
                         ::testing::Values(ProgressCase{"TerminalAndFile", true, false, true, true},
                                           ProgressCase{"TerminalAndPipe", true, false, false, true},
                                           ProgressCase{"NoTerminal", false, false, true, false},
                                           ProgressCase{"OutputOnTheSameTerminal", true, true, false, false},
                                           ProgressCase{"OutputTerminalButFile", true, true, true, true}),
                         testing::CaseName());

TEST(CommandLine, ShortRunShowsNoProgress) {
    CliHarness cli;
    cli.environment.errorIsTerminal = true;
    EXPECT_EQ(cli.run({"--count=200000"}).err, "");
}

struct UniqueCase {
    std::string_view name;
    std::vector<std::string> args;
    PasswordMode mode;
    std::size_t length;
    std::size_t count;
};

class CommandLineUnique : public ::testing::TestWithParam<UniqueCase> {};

// At the largest count allowed, half of all passwords, none repeats.
TEST_P(CommandLineUnique, NoPasswordTwice) {
    const UniqueCase& c = GetParam();
    CliHarness cli;
    const CliResult result = cli.run(c.args);

    ASSERT_EQ(result.status, 0) << result.err;
    const Columns columns = columnsOf(result.out, c.length, c.mode);
    EXPECT_EQ(columns.passwords.size(), c.count);
    EXPECT_EQ(std::set<std::string>(columns.passwords.begin(), columns.passwords.end()).size(), c.count);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CommandLineUnique,
    ::testing::Values(
        UniqueCase{"ThreeDigits", {"--unique", "--length=3", "--count=500"}, PasswordMode::Digits, 3, 500},
        UniqueCase{"TwoLowerLetters",
                   {"--unique", "--mode=lower", "--length=2", "--count=288"},
                   PasswordMode::LowerLetters,
                   2,
                   288},
        UniqueCase{"OneDigitOrLetter",
                   {"--unique", "--mode=digits-upper", "--length=1", "--count=17"},
                   PasswordMode::DigitsUpper,
                   1,
                   17}),
    testing::CaseName());

} // namespace
} // namespace cardgen
