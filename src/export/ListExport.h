#pragma once

#include "core/UiPort.h"

namespace cardgen {

// Asks for a path, then writes the output box's bytes there whole or not at all,
// and tells the user how it went.
void exportList(UiPort& port);

} // namespace cardgen
