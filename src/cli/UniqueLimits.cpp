#include "cli/UniqueLimits.h"

#include "cli/CliOptions.h"
#include "cli/UniquePasswordSet.h"

#include <cmath>
#include <cstdio>

namespace cardgen {

namespace {

double classSize(PasswordMode mode) noexcept {
    switch (mode) {
    case PasswordMode::Digits:
        return 10;
    case PasswordMode::LowerLetters:
    case PasswordMode::UpperLetters:
        return 24;
    case PasswordMode::MixedCaseLetters:
        return 48;
    case PasswordMode::DigitsLower:
    case PasswordMode::DigitsUpper:
        return 34;
    }
    return 0;
}

std::string gibibytes(double bytes) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f GiB", bytes / (1024.0 * 1024.0 * 1024.0));
    return text;
}

std::string whole(double value) {
    char text[48];
    std::snprintf(text, sizeof text, "%.0f", value);
    return text;
}

} // namespace

double distinctPasswords(PasswordMode mode, std::int32_t length) noexcept {
    return length < 1 ? 1 : std::pow(classSize(mode), length);
}

std::string uniqueRefusal(const GenerationSettings& settings, std::uint64_t physicalMemory) {
    const double count = settings.count > 0 ? settings.count : 0;
    const double distinct = distinctPasswords(settings.passwordMode, settings.passwordLength);
    if (count > std::floor(distinct / 2)) {
        return "--unique: there are only " + whole(distinct) + " different " +
               std::string(modeName(settings.passwordMode)) + " passwords of length " +
               std::to_string(settings.passwordLength) + "; --count can be at most " +
               whole(std::floor(distinct / 2)) + " (half of them) with this --mode and --length";
    }
    const double needed = count * static_cast<double>(UniquePasswordSet::kBytesPerPassword);
    // An unknown size (0) is no reason to refuse.
    if (physicalMemory != 0 && needed > static_cast<double>(physicalMemory) / 2) {
        return "--unique: " + whole(count) + " lines need about " + gibibytes(needed) +
               " of memory, more than half of this machine's " +
               gibibytes(static_cast<double>(physicalMemory));
    }
    return {};
}

} // namespace cardgen
