// The edit boxes' input rules: typing filter, typing limits, integer rewrite on
// focus loss and the spin arrows.
#include "UiTestSupport.h"
#include "core/ControlNames.h"
#include "ui/CodeLineEdit.h"
#include "ui/SpinArrows.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>
#include <QToolButton>
#include <string>

using namespace cardgen;
using cardgen::testing::WindowUnderTest;

namespace {

// Sends one key press and release per character, the character as the typed text.
void type(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        const QChar upper = c.toUpper();
        const auto key =
            upper.unicode() < 0x80 && upper.isLetterOrNumber() ? Qt::Key(upper.unicode()) : Qt::Key_unknown;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

QString utf8(std::string_view name) {
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace

class InputRulesTest : public QObject {
    Q_OBJECT

private slots:
    void init() { testing::refuseUnansweredDialogs(); }
    void cleanup() { CARDGEN_VERIFY_CLEAN_END(); }

    void typingFilter_data();
    void typingFilter();
    void controlKeysPass();
    void typingLimit_data();
    void typingLimit();
    void pasteLimit_data();
    void pasteLimit();
    void contextMenuPasteKeepsTheLimit();
    void programTextIsNotLimited();
    void integerRewrite_data();
    void integerRewrite();
    void rewriteCaret_data();
    void rewriteCaret();
    void rewriteOnlyInIntegerBoxes();
    void batchCodeEmptiesAfterTabbingThrough();
    void spinArrows_data();
    void spinArrows();
    void spinZeroEmptiesOnFocusLoss();
};

void InputRulesTest::typingFilter_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::addRow("digits pass") << "0123456789"
                                 << "01234";
    QTest::addRow("minus passes") << "-5"
                                  << "-5";
    QTest::addRow("letters are dropped") << "a1B2c"
                                         << "12";
    QTest::addRow("space and punctuation are dropped") << " .+,3"
                                                       << "3";
    QTest::addRow("full-width digits are dropped") << "１２"
                                                   << "";
    QTest::addRow("Chinese is dropped") << "五十"
                                        << "";
}

void InputRulesTest::typingFilter() {
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    WindowUnderTest ui;
    auto* box = ui.control<CodeLineEdit>(controls::countBox);
    box->clear();
    type(box, typed);
    QCOMPARE(box->text(), expected);
}

void InputRulesTest::controlKeysPass() {
    WindowUnderTest ui;
    auto* box = ui.control<CodeLineEdit>(controls::countBox);
    box->setText("123");
    QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(box->text(), QString("12"));
    QTest::keyClick(box, Qt::Key_Home);
    QTest::keyClick(box, Qt::Key_Delete);
    QCOMPARE(box->text(), QString("2"));
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(box->selectedText(), QString("2"));
}

void InputRulesTest::typingLimit_data() {
    QTest::addColumn<QString>("boxName");
    QTest::addColumn<QString>("start");
    QTest::addColumn<bool>("selectAll");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    using namespace cardgen::controls;
    QTest::addRow("face value stops at 3") << utf8(faceValueCodeBox) << "" << false << "12345"
                                           << "123";
    QTest::addRow("batch code stops at 8") << utf8(batchCodeBox) << "" << false << "1234567890"
                                           << "12345678";
    QTest::addRow("sequence stops at 5") << utf8(sequenceBox) << "" << false << "1234567"
                                         << "12345";
    QTest::addRow("length stops at 2") << utf8(passwordLengthBox) << "" << false << "123"
                                       << "12";
    QTest::addRow("count stops at 5") << utf8(countBox) << "" << false << "1234567"
                                      << "12345";
    QTest::addRow("longer starting text takes nothing") << utf8(faceValueCodeBox) << "56M5F" << false << "1"
                                                        << "56M5F";
    QTest::addRow("typing over a selection counts what stays")
        << utf8(faceValueCodeBox) << "56M5F" << true << "98765"
        << "987";
}

void InputRulesTest::typingLimit() {
    QFETCH(QString, boxName);
    QFETCH(QString, start);
    QFETCH(bool, selectAll);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    WindowUnderTest ui;
    auto* box = ui.window->findChild<CodeLineEdit*>(boxName);
    QVERIFY(box);
    box->setText(start);
    if (selectAll)
        box->selectAll();
    type(box, typed);
    QCOMPARE(box->text(), expected);
}

void InputRulesTest::pasteLimit_data() {
    QTest::addColumn<QString>("boxName");
    QTest::addColumn<QString>("start");
    QTest::addColumn<bool>("selectAll");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<bool>("shiftInsert");
    QTest::addColumn<QString>("expected");
    using namespace cardgen::controls;
    QTest::addRow("pasted letters are not filtered")
        << utf8(countBox) << "" << false << "12ab" << false << "12ab";
    QTest::addRow("paste is cut at the limit")
        << utf8(countBox) << "" << false << "1234567" << false << "12345";
    QTest::addRow("paste into a full box takes nothing")
        << utf8(faceValueCodeBox) << "56M5F" << false << "9" << false << "56M5F";
    QTest::addRow("paste over a selection")
        << utf8(faceValueCodeBox) << "56M5F" << true << "98765" << false << "987";
    QTest::addRow("paste keeps the first line")
        << utf8(countBox) << "" << false << "12\r\n34" << false << "12";
    QTest::addRow("shift insert pastes too")
        << utf8(passwordLengthBox) << "" << false << "345" << true << "34";
}

void InputRulesTest::pasteLimit() {
    QFETCH(QString, boxName);
    QFETCH(QString, start);
    QFETCH(bool, selectAll);
    QFETCH(QString, clipboard);
    QFETCH(bool, shiftInsert);
    QFETCH(QString, expected);
    WindowUnderTest ui;
    auto* box = ui.window->findChild<CodeLineEdit*>(boxName);
    QVERIFY(box);
    box->setText(start);
    if (selectAll)
        box->selectAll();
    QGuiApplication::clipboard()->setText(clipboard);
    if (shiftInsert)
        QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
    else
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(box->text(), expected);
}

void InputRulesTest::contextMenuPasteKeepsTheLimit() {
    WindowUnderTest ui;
    auto* box = ui.control<CodeLineEdit>(controls::passwordLengthBox);
    box->clear();
    QGuiApplication::clipboard()->setText("98765");
    bool triggered = false;
    QTimer::singleShot(0, this, [&triggered] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        const QString pasteKeys = QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
        for (QAction* action : menu->actions()) {
            if (action->text().endsWith(pasteKeys)) {
                action->trigger();
                triggered = true;
            }
        }
        menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), box->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(box, &event);
    QVERIFY(triggered);
    QCOMPARE(box->text(), QString("98"));
}

void InputRulesTest::programTextIsNotLimited() {
    WindowUnderTest ui;
    auto* box = ui.control<CodeLineEdit>(controls::faceValueCodeBox);
    box->setText("ABCDEFGHIJ");
    QCOMPARE(box->text(), QString("ABCDEFGHIJ"));
    QCOMPARE(ui.window->readText(controls::faceValueCodeBox), TextValue("ABCDEFGHIJ"));
}

void InputRulesTest::integerRewrite_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::addRow("leading zeros go") << "0050"
                                      << "50";
    QTest::addRow("zero becomes empty") << "0"
                                        << "";
    QTest::addRow("minus zero becomes empty") << "-0"
                                              << "";
    QTest::addRow("lone minus becomes empty") << "-"
                                              << "";
    QTest::addRow("negative stays") << "-12"
                                    << "-12";
    QTest::addRow("letters first read as zero") << "A1B2C"
                                                << "";
    QTest::addRow("digits before letters stay") << "12ab"
                                                << "12";
    QTest::addRow("white space and plus sign go") << " \t+7"
                                                  << "7";
    QTest::addRow("stops at the first non-digit") << "1 2"
                                                  << "1";
    QTest::addRow("clamped at the top") << "99999999999"
                                        << "2147483647";
    QTest::addRow("clamped at the bottom") << "-99999999999"
                                           << "-2147483648";
    QTest::addRow("largest stays") << "2147483647"
                                   << "2147483647";
    QTest::addRow("empty stays") << ""
                                 << "";
}

void InputRulesTest::integerRewrite() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    WindowUnderTest ui;
    QVERIFY(ui.active());
    for (const auto name : {controls::batchCodeBox, controls::passwordLengthBox, controls::countBox}) {
        auto* box = ui.control<CodeLineEdit>(name);
        box->setFocus();
        box->setText(text);
        ui.control<QWidget>(controls::faceValueCodeBox)->setFocus();
        QCOMPARE(box->text(), expected);
    }
}

void InputRulesTest::rewriteCaret_data() {
    QTest::addColumn<int>("selectionStart");
    QTest::addColumn<int>("selectionLength");
    QTest::addColumn<int>("expectedCaret");
    QTest::addRow("caret beyond the new end goes to the end") << 4 << 0 << 2;
    QTest::addRow("caret inside stays") << 1 << 0 << 1;
    QTest::addRow("selection start becomes the caret") << 1 << 2 << 1;
}

void InputRulesTest::rewriteCaret() {
    QFETCH(int, selectionStart);
    QFETCH(int, selectionLength);
    QFETCH(int, expectedCaret);
    WindowUnderTest ui;
    QVERIFY(ui.active());
    auto* box = ui.control<CodeLineEdit>(controls::countBox);
    box->setFocus();
    box->setText("0050");
    box->setSelection(selectionStart, selectionLength);
    ui.control<QWidget>(controls::faceValueCodeBox)->setFocus();
    QCOMPARE(box->text(), QString("50"));
    QCOMPARE(box->cursorPosition(), expectedCaret);
}

void InputRulesTest::rewriteOnlyInIntegerBoxes() {
    WindowUnderTest ui;
    QVERIFY(ui.active());
    for (const auto name : {controls::faceValueCodeBox, controls::sequenceBox}) {
        auto* box = ui.control<CodeLineEdit>(name);
        box->setFocus();
        box->setText("0050");
        ui.control<QWidget>(controls::countBox)->setFocus();
        QCOMPARE(box->text(), QString("0050"));
    }
}

void InputRulesTest::batchCodeEmptiesAfterTabbingThrough() {
    WindowUnderTest ui;
    QVERIFY(ui.active());
    auto* batch = ui.control<CodeLineEdit>(controls::batchCodeBox);
    QCOMPARE(batch->text(), QString("A1B2C"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), batch);
    QCOMPARE(batch->text(), QString("A1B2C"));
    QTest::keyClick(batch, Qt::Key_Tab);
    QCOMPARE(batch->text(), QString());
}

void InputRulesTest::spinArrows_data() {
    QTest::addColumn<QString>("boxName");
    QTest::addColumn<QString>("start");
    QTest::addColumn<bool>("up");
    QTest::addColumn<QString>("expected");
    using namespace cardgen::controls;
    const QString length = utf8(passwordLengthBox);
    const QString count = utf8(countBox);
    QTest::addRow("8 up is 9") << length << "8" << true << "9";
    QTest::addRow("100 up wraps to 0") << length << "100" << true << "0";
    QTest::addRow("0 down wraps to 100") << length << "0" << false << "100";
    QTest::addRow("empty up is 1") << length << "" << true << "1";
    QTest::addRow("500 down is 100") << length << "500" << false << "100";
    QTest::addRow("-5 up is 0") << length << "-5" << true << "0";
    QTest::addRow("letters down is 100") << count << "abc" << false << "100";
    QTest::addRow("1 down is 0 written out") << count << "1" << false << "0";
    QTest::addRow("largest up wraps to 0") << count << "2147483647" << true << "0";
    QTest::addRow("smallest down is 100") << count << "-2147483648" << false << "100";
    QTest::addRow("50 up is 51") << count << "50" << true << "51";
}

void InputRulesTest::spinArrows() {
    QFETCH(QString, boxName);
    QFETCH(QString, start);
    QFETCH(bool, up);
    QFETCH(QString, expected);
    WindowUnderTest ui;
    QVERIFY(ui.active());
    auto* box = ui.window->findChild<CodeLineEdit*>(boxName);
    auto* arrows = ui.window->findChild<SpinArrows*>(boxName + "_arrows");
    QVERIFY(box && arrows);
    box->setText(start);
    QTest::mouseClick(up ? arrows->upButton() : arrows->downButton(), Qt::LeftButton);
    QCOMPARE(box->text(), expected);
    QCOMPARE(box->selectedText(), expected);
    QCOMPARE(QApplication::focusWidget(), box);
}

void InputRulesTest::spinZeroEmptiesOnFocusLoss() {
    WindowUnderTest ui;
    QVERIFY(ui.active());
    auto* box = ui.control<CodeLineEdit>(controls::passwordLengthBox);
    auto* arrows = ui.window->findChild<SpinArrows*>(box->objectName() + "_arrows");
    box->setText("1");
    QTest::mouseClick(arrows->downButton(), Qt::LeftButton);
    QCOMPARE(box->text(), QString("0"));
    QTest::keyClick(box, Qt::Key_Tab);
    QCOMPARE(box->text(), QString());
}

QTEST_MAIN(InputRulesTest)
#include "InputRulesTest.moc"
