// Keyboard behaviour of the main window: the focus order, the arrow keys among
// the radio buttons, Esc and Enter, and where the focus goes on activation.
#include "UiTestSupport.h"
#include "core/ControlNames.h"
#include "ui/CodeLineEdit.h"
#include "ui/OutputBox.h"

#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <array>
#include <string_view>

using namespace cardgen;
using cardgen::testing::WindowUnderTest;

namespace {

constexpr std::array<std::string_view, 14> kFocusOrder{
    controls::faceValueCodeBox,  controls::batchCodeBox,      controls::sequenceBox,
    controls::digitsRadio,       controls::lowerLettersRadio, controls::upperLettersRadio,
    controls::mixedCaseRadio,    controls::digitsUpperRadio,  controls::digitsLowerRadio,
    controls::passwordLengthBox, controls::countBox,          controls::generateButton,
    controls::exportButton,      controls::exitButton};

QString utf8(std::string_view name) {
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

QString focusName() {
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString("<none>");
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void init() { testing::refuseUnansweredDialogs(); }
    void cleanup() { CARDGEN_VERIFY_CLEAN_END(); }

    void startsInFaceValueCode();
    void tabWalksTheOrderAndWraps();
    void shiftTabWalksBackAndWraps();
    void tabPassesOverDisabledControls();
    void tabLeavesTheOutputBox();
    void radioArrows_data();
    void radioArrows();
    void arrowsKeepTheirUseInEditBoxes();
    void escapeCloses();
    void escapeWithModifiersDoesNotClose();
    void enterStartsNothing();
    void focusReturnsOnReactivation();
};

void KeyboardTest::startsInFaceValueCode() {
    WindowUnderTest ui;
    QVERIFY(ui.active());
    QCOMPARE(focusName(), utf8(controls::faceValueCodeBox));
    auto* box = ui.control<CodeLineEdit>(controls::faceValueCodeBox);
    QCOMPARE(box->cursorPosition(), 0);
    QVERIFY(!box->hasSelectedText());
}

void KeyboardTest::tabWalksTheOrderAndWraps() {
    WindowUnderTest ui;
    QVERIFY(ui.active());
    for (std::size_t i = 1; i <= kFocusOrder.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(focusName(), utf8(kFocusOrder[i % kFocusOrder.size()]));
    }
}

void KeyboardTest::shiftTabWalksBackAndWraps() {
    WindowUnderTest ui;
    QVERIFY(ui.active());
    for (std::size_t i = kFocusOrder.size(); i > 0; --i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(focusName(), utf8(kFocusOrder[i - 1]));
    }
    // Some platforms send Tab with Shift rather than Backtab.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(focusName(), utf8(kFocusOrder.back()));
}

void KeyboardTest::tabPassesOverDisabledControls() {
    WindowUnderTest ui;
    QVERIFY(ui.active());
    ui.control<QWidget>(controls::batchCodeBox)->setEnabled(false);
    ui.control<QWidget>(controls::sequenceBox)->hide();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(focusName(), utf8(controls::digitsRadio));
}

void KeyboardTest::tabLeavesTheOutputBox() {
    WindowUnderTest ui;
    QVERIFY(ui.active());
    auto* output = ui.control<OutputBox>(controls::outputBox);
    output->setFocus();
    QTest::keyClick(output, Qt::Key_Tab);
    QCOMPARE(focusName(), utf8(controls::faceValueCodeBox));
    QCOMPARE(output->text(), QString());
}

void KeyboardTest::radioArrows_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("to");
    using namespace cardgen::controls;
    QTest::addRow("down from digits+lower wraps to digits")
        << utf8(digitsLowerRadio) << int(Qt::Key_Down) << utf8(digitsRadio);
    QTest::addRow("up from digits wraps to digits+lower")
        << utf8(digitsRadio) << int(Qt::Key_Up) << utf8(digitsLowerRadio);
    QTest::addRow("right from digits goes to lower")
        << utf8(digitsRadio) << int(Qt::Key_Right) << utf8(lowerLettersRadio);
    QTest::addRow("left from mixed goes to upper")
        << utf8(mixedCaseRadio) << int(Qt::Key_Left) << utf8(upperLettersRadio);
    QTest::addRow("down from upper crosses the column to mixed")
        << utf8(upperLettersRadio) << int(Qt::Key_Down) << utf8(mixedCaseRadio);
    QTest::addRow("down from mixed goes to digits+upper")
        << utf8(mixedCaseRadio) << int(Qt::Key_Down) << utf8(digitsUpperRadio);
}

void KeyboardTest::radioArrows() {
    QFETCH(QString, from);
    QFETCH(int, key);
    QFETCH(QString, to);
    WindowUnderTest ui;
    QVERIFY(ui.active());
    auto* start = ui.window->findChild<QRadioButton*>(from);
    auto* target = ui.window->findChild<QRadioButton*>(to);
    QVERIFY(start && target);
    start->setFocus();
    QTest::keyClick(start, Qt::Key(key));
    QCOMPARE(focusName(), to);
    QVERIFY(target->isChecked());
    const auto radios = ui.window->findChildren<QRadioButton*>();
    QCOMPARE(std::count_if(radios.begin(), radios.end(), [](QRadioButton* r) { return r->isChecked(); }), 1);
}

void KeyboardTest::arrowsKeepTheirUseInEditBoxes() {
    WindowUnderTest ui;
    QVERIFY(ui.active());
    auto* box = ui.control<CodeLineEdit>(controls::faceValueCodeBox);
    QTest::keyClick(box, Qt::Key_Right);
    QCOMPARE(box->cursorPosition(), 1);
    QTest::keyClick(box, Qt::Key_Down);
    QCOMPARE(focusName(), utf8(controls::faceValueCodeBox));
}

void KeyboardTest::escapeCloses() {
    WindowUnderTest ui;
    QVERIFY(ui.active());
    QTest::keyClick(ui.control<QWidget>(controls::countBox), Qt::Key_Escape);
    QVERIFY(!ui.window->isVisible());
    QVERIFY(ui.window->isGone());
    QVERIFY(!ui.window->pumpEvents());
}

void KeyboardTest::escapeWithModifiersDoesNotClose() {
    WindowUnderTest ui;
    QVERIFY(ui.active());
    for (const auto modifier : {Qt::ControlModifier, Qt::ShiftModifier, Qt::AltModifier}) {
        QTest::keyClick(ui.control<QWidget>(controls::digitsRadio), Qt::Key_Escape, modifier);
        QVERIFY(ui.window->isVisible());
    }
}

void KeyboardTest::enterStartsNothing() {
    WindowUnderTest ui;
    QVERIFY(ui.active());
    for (const auto name : {controls::generateButton, controls::exportButton, controls::exitButton}) {
        auto* button = ui.control<QPushButton>(name);
        QSignalSpy clicks(button, &QPushButton::clicked);
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Return);
        QTest::keyClick(button, Qt::Key_Enter);
        QCOMPARE(clicks.count(), 0);
        QCOMPARE(focusName(), utf8(name));
    }
    QVERIFY(ui.window->isVisible());
}

void KeyboardTest::focusReturnsOnReactivation() {
    WindowUnderTest ui;
    QVERIFY(ui.active());
    ui.control<QWidget>(controls::sequenceBox)->setFocus();
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    ui.window->activateWindow();
    QVERIFY(ui.active());
    QCOMPARE(focusName(), utf8(controls::sequenceBox));
}

QTEST_MAIN(KeyboardTest)
#include "KeyboardTest.moc"
