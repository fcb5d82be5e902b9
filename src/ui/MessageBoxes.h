#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>

namespace cardgen {

// The program's message boxes: owned by no window and modal for the whole
// application. A test answers the next box in advance; it is then not shown.
class MessageBoxes {
public:
    static void setNextAnswer(QMessageBox::StandardButton answer);
    // The texts of the boxes answered in advance since the last call, oldest first.
    [[nodiscard]] static QStringList takeAnsweredTexts();

    // Caption "信息：", information icon, one OK button.
    static void information(const QString& text);
    // For the fatal stops: error icon, one OK button.
    static void critical(const QString& text);

private:
    static void run(QMessageBox::Icon icon, const QString& caption, const QString& text);
};

} // namespace cardgen
