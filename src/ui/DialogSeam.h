#pragma once

#include <QString>
#include <QStringList>

// Tests answer modal boxes and dialogs in advance (MessageBoxes, SaveFileDialogs).
// With unexpected dialogs refused, one that nothing answered is not shown but
// recorded, so a test fails on it instead of hanging.
namespace cardgen::DialogSeam {

void setRefuseUnexpected(bool refuse);
[[nodiscard]] bool refusesUnexpected();
void recordUnexpected(const QString& what);
// The dialogs refused since the last call, oldest first.
[[nodiscard]] QStringList takeUnexpected();

} // namespace cardgen::DialogSeam
