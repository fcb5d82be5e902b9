#include "ui/DialogSeam.h"

namespace cardgen::DialogSeam {

namespace {

bool refuse = false;

QStringList& unexpected() {
    static QStringList list;
    return list;
}

} // namespace

void setRefuseUnexpected(bool refuseUnexpected) {
    refuse = refuseUnexpected;
}

bool refusesUnexpected() {
    return refuse;
}

void recordUnexpected(const QString& what) {
    unexpected().append(what);
}

QStringList takeUnexpected() {
    QStringList taken;
    taken.swap(unexpected());
    return taken;
}

} // namespace cardgen::DialogSeam
