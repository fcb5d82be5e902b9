#pragma once

#include "text/TextValue.h"

#include <QString>
#include <string>
#include <string_view>

namespace cardgen {

// Unicode from GBK bytes; bytes that do not decode become U+FFFD.
[[nodiscard]] QString qStringFromGbk(std::string_view gbk);
// GBK bytes from Unicode; a character GBK cannot hold becomes '?'.
[[nodiscard]] std::string gbkFromQString(const QString& text);
// As gbkFromQString, as a text value (which ends at a zero character).
[[nodiscard]] TextValue textFromQString(const QString& text);

} // namespace cardgen
