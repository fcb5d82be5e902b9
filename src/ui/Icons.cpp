#include "ui/Icons.h"

#include <QString>

namespace cardgen {

QIcon applicationIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 128})
        icon.addFile(QStringLiteral(":/cardgen/cardgen-%1.png").arg(size), QSize(size, size));
    return icon;
}

QPixmap smallIcon() {
    return QPixmap(QStringLiteral(":/cardgen/cardgen-16.png"));
}

} // namespace cardgen
