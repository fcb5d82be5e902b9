#include "cli/CliOptions.h"

#include "text/Gbk.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <limits>
#include <utility>

namespace cardgen {

namespace {

constexpr std::int64_t kMaxCount = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kMaxLength = 1024;

constexpr std::array<std::pair<std::string_view, PasswordMode>, 6> kModes{{
    {"digits", PasswordMode::Digits},
    {"lower", PasswordMode::LowerLetters},
    {"upper", PasswordMode::UpperLetters},
    {"mixed", PasswordMode::MixedCaseLetters},
    {"digits-lower", PasswordMode::DigitsLower},
    {"digits-upper", PasswordMode::DigitsUpper},
}};

std::string quoted(std::string_view text) {
    std::string result = "'";
    result += text;
    result += '\'';
    return result;
}

// Plain decimal digits with an optional sign, within min..max.
std::optional<std::int64_t> wholeNumber(std::string_view text, std::int64_t min, std::int64_t max) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') {
            return std::nullopt;
        }
    }
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < min ||
        value > max) {
        return std::nullopt;
    }
    return value;
}

class Parser {
public:
    explicit Parser(std::span<const std::string_view> args) : args_(args) {}

    CliParseResult run() {
        while (index_ < args_.size() && result_.ok()) {
            step(args_[index_++]);
        }
        return std::move(result_);
    }

private:
    void step(std::string_view arg) {
        if (arg.starts_with("-o")) {
            // "-o FILE" or "-oFILE".
            withValue("-o", arg.size() > 2 ? std::optional(arg.substr(2)) : std::nullopt,
                      [this](std::string_view value) { output("-o", value); });
            return;
        }
        if (!arg.starts_with("--")) {
            if (arg == "-h") {
                result_.options.help = true;
                return;
            }
            fail(arg.starts_with("-") && arg.size() > 1
                     ? "unknown option " + quoted(arg) + " (see --help)"
                     : "unexpected argument " + quoted(arg) + " (see --help)");
            return;
        }
        std::string_view name = arg;
        std::optional<std::string_view> inlineValue;
        if (const std::size_t equals = arg.find('='); equals != std::string_view::npos) {
            name = arg.substr(0, equals);
            inlineValue = arg.substr(equals + 1);
        }

        if (name == "--help" || name == "--version" || name == "--unique") {
            if (inlineValue) {
                fail("option " + std::string(name) + " takes no value");
            } else if (name == "--help") {
                result_.options.help = true;
            } else if (name == "--version") {
                result_.options.version = true;
            } else {
                result_.options.unique = true;
            }
            return;
        }
        GenerationSettings& settings = result_.options.settings;
        if (name == "--face") {
            withValue(name, inlineValue, [&](std::string_view v) { code(name, v, settings.faceValueCode); });
        } else if (name == "--batch") {
            withValue(name, inlineValue, [&](std::string_view v) { code(name, v, settings.batchCode); });
        } else if (name == "--start") {
            withValue(name, inlineValue, [&](std::string_view v) { code(name, v, settings.sequenceText); });
        } else if (name == "--mode") {
            withValue(name, inlineValue, [&](std::string_view v) { mode(v); });
        } else if (name == "--length") {
            withValue(name, inlineValue,
                      [&](std::string_view v) { number(name, v, 1, kMaxLength, settings.passwordLength); });
        } else if (name == "--count") {
            withValue(name, inlineValue,
                      [&](std::string_view v) { number(name, v, 0, kMaxCount, settings.count); });
        } else if (name == "--output") {
            withValue(name, inlineValue, [&](std::string_view v) { output(name, v); });
        } else {
            fail("unknown option " + quoted(name) + " (see --help)");
        }
    }

    // The value after '=', else the next argument.
    template <typename Use>
    void withValue(std::string_view name, std::optional<std::string_view> inlineValue, Use use) {
        if (inlineValue) {
            use(*inlineValue);
        } else if (index_ < args_.size()) {
            use(args_[index_++]);
        } else {
            fail("option " + std::string(name) + " needs a value");
        }
    }

    void code(std::string_view name, std::string_view value, TextValue& target) {
        std::optional<TextValue> gbk = gbkFromUtf8(value);
        if (!gbk) {
            fail(std::string(name) + " " + quoted(value) +
                 " has a character that cannot be written in GBK (arguments are read as UTF-8)");
            return;
        }
        target = std::move(*gbk);
    }

    void mode(std::string_view value) {
        for (const auto& [name, mode] : kModes) {
            if (name == value) {
                result_.options.settings.passwordMode = mode;
                return;
            }
        }
        fail("unknown --mode " + quoted(value) +
             " (use digits, lower, upper, mixed, digits-lower or digits-upper)");
    }

    void number(std::string_view name, std::string_view value, std::int64_t min, std::int64_t max,
                std::int32_t& target) {
        const std::optional<std::int64_t> parsed = wholeNumber(value, min, max);
        if (!parsed) {
            fail(std::string(name) + " must be a whole number from " + std::to_string(min) + " to " +
                 std::to_string(max) + ", not " + quoted(value));
            return;
        }
        target = static_cast<std::int32_t>(*parsed);
    }

    void output(std::string_view name, std::string_view value) {
        if (value.empty()) {
            fail("option " + std::string(name) + " needs a file name");
        } else if (value == "-") {
            result_.options.outputPath.reset();
        } else {
            result_.options.outputPath = std::filesystem::path(value);
        }
    }

    void fail(std::string message) { result_.error = std::move(message); }

    std::span<const std::string_view> args_;
    std::size_t index_ = 0;
    CliParseResult result_;
};

} // namespace

GenerationSettings CliOptions::defaultSettings() {
    GenerationSettings settings;
    settings.passwordMode = PasswordMode::Digits;
    settings.passwordLength = 8;
    settings.count = 50;
    settings.sequenceText = TextValue("00001");
    settings.faceValueCode = TextValue("56M5F");
    settings.batchCode = TextValue("A1B2C");
    return settings;
}

CliParseResult parseCliOptions(std::span<const std::string_view> args) {
    return Parser(args).run();
}

std::string_view modeName(PasswordMode mode) noexcept {
    for (const auto& [name, value] : kModes) {
        if (value == mode) {
            return name;
        }
    }
    return "unknown";
}

} // namespace cardgen
