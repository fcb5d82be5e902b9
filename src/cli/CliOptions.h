#pragma once

#include "core/BatchGenerator.h"

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace cardgen {

// What the command line asks for; every field starts as the window's default.
struct CliOptions {
    GenerationSettings settings = defaultSettings();
    bool unique = false;
    // Nothing: standard output.
    std::optional<std::filesystem::path> outputPath;
    bool help = false;
    bool version = false;

    [[nodiscard]] static GenerationSettings defaultSettings();
};

struct CliParseResult {
    CliOptions options;
    // The first problem found, one line without the program name; empty when none.
    std::string error;

    [[nodiscard]] bool ok() const noexcept { return error.empty(); }
};

// Reads the arguments after the program name. Options take their value as
// "--count 100" or "--count=100" ("-o FILE" or "-oFILE"); the last of a repeated
// option wins. Codes are read as UTF-8 and kept as GBK bytes.
[[nodiscard]] CliParseResult parseCliOptions(std::span<const std::string_view> args);

// The names of the modes as the command line spells them, "digits" to "digits-upper".
[[nodiscard]] std::string_view modeName(PasswordMode mode) noexcept;

} // namespace cardgen
