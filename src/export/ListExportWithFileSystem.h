#pragma once

#include "core/UiPort.h"
#include "export/FileSystem.h"

namespace cardgen {

// exportList over the given file system calls.
void exportList(UiPort& port, FileSystem& fileSystem);

} // namespace cardgen
