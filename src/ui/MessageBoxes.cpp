#include "ui/MessageBoxes.h"

#include "ui/DialogSeam.h"

#include <QCoreApplication>
#include <deque>

namespace cardgen {

namespace {

std::deque<QMessageBox::StandardButton>& answers() {
    static std::deque<QMessageBox::StandardButton> queue;
    return queue;
}

QStringList& answeredTexts() {
    static QStringList texts;
    return texts;
}

} // namespace

void MessageBoxes::setNextAnswer(QMessageBox::StandardButton answer) {
    answers().push_back(answer);
}

QStringList MessageBoxes::takeAnsweredTexts() {
    QStringList taken;
    taken.swap(answeredTexts());
    return taken;
}

void MessageBoxes::information(const QString& text) {
    run(QMessageBox::Information, QStringLiteral("信息："), text);
}

void MessageBoxes::critical(const QString& text) {
    run(QMessageBox::Critical, QStringLiteral("错误："), text);
}

void MessageBoxes::run(QMessageBox::Icon icon, const QString& caption, const QString& text) {
    if (!answers().empty()) {
        answers().pop_front();
        answeredTexts().append(text);
        return;
    }
    if (DialogSeam::refusesUnexpected()) {
        DialogSeam::recordUnexpected(caption + text);
        return;
    }
    QMessageBox box(icon, caption, text, QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace cardgen
