#pragma once

#include "text/TextValue.h"

#include <optional>
#include <string>
#include <string_view>

namespace cardgen {

// UTF-8 to GBK bytes; nothing when a character has no GBK form or the UTF-8 is broken.
[[nodiscard]] std::optional<TextValue> gbkFromUtf8(std::string_view utf8);
// Like gbkFromUtf8, but a character without a GBK form becomes '?'.
[[nodiscard]] TextValue gbkFromUtf8Lossy(std::string_view utf8);
// GBK bytes to UTF-8; undecodable bytes become U+FFFD.
[[nodiscard]] std::string utf8FromGbk(const TextValue& gbk);

} // namespace cardgen
