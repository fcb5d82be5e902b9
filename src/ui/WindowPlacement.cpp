#include "ui/WindowPlacement.h"

namespace cardgen {

QPoint centredPosition(QSize screen, QSize window) noexcept {
    return {(screen.width() - window.width()) / 2, (screen.height() - window.height()) / 2};
}

} // namespace cardgen
