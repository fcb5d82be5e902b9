#pragma once

#include <QIcon>
#include <QPixmap>

namespace cardgen {

// The program's icon at every size it is drawn in.
[[nodiscard]] QIcon applicationIcon();
// The 16 x 16 picture of the picture box.
[[nodiscard]] QPixmap smallIcon();

} // namespace cardgen
