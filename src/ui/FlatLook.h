#pragma once

#include <QString>

class QApplication;

namespace cardgen {

// The style sheet of the flat look: push buttons, edit boxes, group boxes, radio
// buttons, check boxes, combo boxes and spin arrows framed in the frame colour,
// push buttons filled with light gradients.
[[nodiscard]] QString flatLookStyleSheet();

// Switches the whole application to the flat look, so message boxes and the
// save dialog wear it as the main window does.
void applyFlatLook(QApplication& application);

} // namespace cardgen
