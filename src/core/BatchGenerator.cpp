#include "core/BatchGenerator.h"

#include "core/CardNumber.h"
#include "core/ControlNames.h"
#include "core/Password.h"
#include "text/NumberConversions.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>

namespace cardgen {

namespace {

// "创建成功：你当前生成的卡号密码共计 " and " 个" in GBK.
constexpr std::string_view kCreatedPrefix =
    "\xb4\xb4\xbd\xa8\xb3\xc9\xb9\xa6\xa3\xba\xc4\xe3\xb5\xb1\xc7\xb0\xc9\xfa"
    "\xb3\xc9\xb5\xc4\xbf\xa8\xba\xc5\xc3\xdc\xc2\xeb\xb9\xb2\xbc\xc6 ";
constexpr std::string_view kCreatedSuffix = " \xb8\xf6";

// Tested in this order; the last checked one wins, none checked means digits.
constexpr std::array<std::pair<std::string_view, PasswordMode>, 6> kModeRadios{{
    {controls::digitsRadio, PasswordMode::Digits},
    {controls::lowerLettersRadio, PasswordMode::LowerLetters},
    {controls::upperLettersRadio, PasswordMode::UpperLetters},
    {controls::mixedCaseRadio, PasswordMode::MixedCaseLetters},
    {controls::digitsUpperRadio, PasswordMode::DigitsUpper},
    {controls::digitsLowerRadio, PasswordMode::DigitsLower},
}};

PasswordMode readPasswordMode(UiPort& port) {
    PasswordMode mode = PasswordMode::Digits;
    for (const auto& [radio, radioMode] : kModeRadios) {
        if (port.isChecked(radio)) {
            mode = radioMode;
        }
    }
    return mode;
}

std::int32_t readInteger(UiPort& port, std::string_view editBox) {
    return realToInt(toNumber(port.readText(editBox)));
}

// Sets the flag for the lifetime of a run, also when the port throws.
class RunningFlag {
public:
    explicit RunningFlag(bool& flag) noexcept : flag_(flag) { flag_ = true; }
    ~RunningFlag() { flag_ = false; }
    RunningFlag(const RunningFlag&) = delete;
    RunningFlag& operator=(const RunningFlag&) = delete;

private:
    bool& flag_;
};

} // namespace

BatchGenerator::BatchGenerator(RandomGenerator& random) noexcept : random_(random) {
}

bool BatchGenerator::isRunning() const noexcept {
    return running_;
}

void BatchGenerator::runBatch(UiPort& port) {
    if (running_) {
        return;
    }
    const RunningFlag runningFlag(running_);

    GenerationSettings settings;
    settings.passwordMode = readPasswordMode(port);
    settings.passwordLength = readInteger(port, controls::passwordLengthBox);
    settings.count = readInteger(port, controls::countBox);
    if (settings.count == 0) {
        return;
    }

    port.setProgressRange(0, settings.count);
    port.setProgressPosition(0);
    port.setOutputText(TextValue());

    std::string line; // reused, so a line costs no allocation of its own
    // A 64-bit counter, so that a count of the largest integer ends too.
    for (std::int64_t i = 1; i <= settings.count; ++i) {
        const auto lineNumber = static_cast<std::int32_t>(i);
        if (!port.pumpEvents()) {
            return;
        }
        settings.sequenceText = port.readText(controls::sequenceBox);
        settings.faceValueCode = port.readText(controls::faceValueCodeBox);
        settings.batchCode = port.readText(controls::batchCodeBox);

        line =
            composeCardNumber(settings.faceValueCode, settings.batchCode, settings.sequenceText, lineNumber)
                .bytes();
        line += "  ";
        appendPassword(line, settings.passwordMode, settings.passwordLength, random_);
        line += "\r\n";
        port.appendOutput(line);
        port.setProgressPosition(lineNumber);
    }

    port.showInfo(concatText({kCreatedPrefix, intToText(settings.count), kCreatedSuffix}));
}

} // namespace cardgen
