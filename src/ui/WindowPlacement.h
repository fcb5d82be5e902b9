#pragma once

#include <QPoint>
#include <QSize>

namespace cardgen {

// The top-left corner that centres a window of the given outer size on a screen
// of the given size; each half is truncated toward zero, and a screen smaller
// than the window gives negative places.
[[nodiscard]] QPoint centredPosition(QSize screen, QSize window) noexcept;

} // namespace cardgen
