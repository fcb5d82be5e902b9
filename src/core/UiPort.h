#pragma once

#include "text/TextValue.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

namespace cardgen {

// Everything the batch run and the export need of the window. Controls are named
// by the names in ControlNames.h; texts are GBK bytes.
class UiPort {
public:
    virtual ~UiPort() = default;

    [[nodiscard]] virtual TextValue readText(std::string_view editBox) = 0;
    [[nodiscard]] virtual bool isChecked(std::string_view radioButton) = 0;
    // Bounds are clamped into 0..32767; the bar spans from the smaller to the larger.
    virtual void setProgressRange(std::int32_t min, std::int32_t max) = 0;
    // Clamped into 0..32767, then into the stored range.
    virtual void setProgressPosition(std::int32_t position) = 0;
    virtual void setOutputText(const TextValue& text) = 0;
    // Adds text at the end of the output box; must not cost more as the list grows.
    virtual void appendOutput(std::string_view text) = 0;
    // Dispatches the waiting events. False once the window is gone: the caller
    // must then stop at once and make no further call.
    [[nodiscard]] virtual bool pumpEvents() = 0;
    // A modal information box with the caption "信息："; returns when dismissed.
    virtual void showInfo(const TextValue& message) = 0;
    // Runs the save dialog; nothing when the user cancels.
    [[nodiscard]] virtual std::optional<std::filesystem::path> chooseSaveFile() = 0;
};

} // namespace cardgen
