// Hostile input in the window: floods of text through every way in, keys typed
// with modifiers, characters that GBK cannot hold, the largest count, every
// password length limit in every class, and the buttons and the close box
// pressed while a batch runs.
#include "UiTestSupport.h"
#include "core/ControlNames.h"
#include "core/SecureRandom.h"
#include "ui/CodeLineEdit.h"
#include "ui/ProgressBar.h"

#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QWindow>
#include <algorithm>
#include <functional>
#include <string_view>
#include <utility>

using namespace cardgen;
using cardgen::testing::WindowUnderTest;

namespace {

constexpr qsizetype kFloodSize = 10 * 1024 * 1024;
const QByteArray kDefaultCodes = "56M5FA1B2C";

QString utf8(std::string_view name) {
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

QString createdMessage(int count) {
    return QStringLiteral("创建成功：你当前生成的卡号密码共计 %1 个").arg(count);
}

QByteArray outputBytes(MainWindow& window) {
    const TextValue text = window.readText(controls::outputBox);
    return QByteArray(text.c_str(), static_cast<qsizetype>(text.size()));
}

// The list's lines without their CR LF. Every line must end in CR LF and hold no
// other line break and no zero byte.
void splitList(const QByteArray& bytes, QList<QByteArray>& lines) {
    lines.clear();
    qsizetype start = 0;
    while (start < bytes.size()) {
        const qsizetype end = bytes.indexOf('\n', start);
        QVERIFY2(end > start && bytes[end - 1] == '\r', qPrintable(QString("line %1").arg(lines.size() + 1)));
        const QByteArray line = bytes.mid(start, end - 1 - start);
        QVERIFY2(!line.contains('\r') && !line.contains('\0'), line.constData());
        lines.append(line);
        start = end + 1;
    }
}

QByteArray sequenceNumber(qint64 number, int width) {
    return QByteArray::number(number).rightJustified(width, '0');
}

// Lines card + two spaces + password, the cards numbered from 1 with the default
// codes; gives the passwords.
void verifyDefaultCards(const QList<QByteArray>& lines, QList<QByteArray>& passwords) {
    passwords.clear();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray expected = kDefaultCodes + sequenceNumber(i + 1, 5) + "  ";
        QVERIFY2(lines[i].startsWith(expected), lines[i].constData());
        passwords.append(lines[i].mid(expected.size()));
    }
}

void verifyEightDigits(const QList<QByteArray>& passwords) {
    for (const QByteArray& password : passwords) {
        QCOMPARE(password.size(), qsizetype{8});
        QVERIFY2(std::all_of(password.cbegin(), password.cend(), [](char c) { return c >= '0' && c <= '9'; }),
                 password.constData());
    }
}

// The routes by which a flood reaches a code box.
enum class Route { PasteShortcut, ShiftInsert, InputMethodCommit, OneKeyEvent };

void deliver(CodeLineEdit* box, Route route, const QString& text) {
    switch (route) {
    case Route::PasteShortcut:
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        break;
    case Route::ShiftInsert:
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
        break;
    case Route::InputMethodCommit: {
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(box, &event);
        break;
    }
    case Route::OneKeyEvent: {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_1, Qt::NoModifier, text);
        QApplication::sendEvent(box, &press);
        break;
    }
    }
}

// Calls check before every line of a running batch: a queued call that posts
// itself again, as the batch's event pump sends the posted events before each line.
class EveryPump : public QObject {
public:
    explicit EveryPump(std::function<void()> check) : check_(std::move(check)) { post(); }

private:
    void post() {
        QMetaObject::invokeMethod(
            this,
            [this] {
                check_();
                post();
            },
            Qt::QueuedConnection);
    }

    std::function<void()> check_;
};

// What can interrupt a running batch.
enum class Interruption { ExitButton, CloseBox, GenerateButton };

} // namespace

Q_DECLARE_METATYPE(Route)
Q_DECLARE_METATYPE(Interruption)

class HostileInputTest : public QObject {
    Q_OBJECT

private slots:
    void init() { testing::refuseUnansweredDialogs(); }
    void cleanup() {
        QGuiApplication::clipboard()->clear();
        CARDGEN_VERIFY_CLEAN_END();
    }

    void floodIsCutAtTheTypingLimit_data();
    void floodIsCutAtTheTypingLimit();
    void modifiedKeysKeepTheRules_data();
    void modifiedKeysKeepTheRules();
    void unmappableCodesInABatch_data();
    void unmappableCodesInABatch();
    void largestTypedCount();
    void passwordLengthInEveryClass_data();
    void passwordLengthInEveryClass();
    void interruptedBatch_data();
    void interruptedBatch();
};

void HostileInputTest::floodIsCutAtTheTypingLimit_data() {
    QTest::addColumn<QString>("boxName");
    QTest::addColumn<Route>("route");
    QTest::addColumn<QString>("flood");
    // With cutAtLimit the box takes the flood's head up to its typing limit instead.
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("cutAtLimit");

    const QString digits = QStringLiteral("1234567890").repeated(kFloodSize / 10);
    const struct {
        std::string_view box;
        const char* name;
    } boxes[] = {{controls::faceValueCodeBox, "face-value code"},
                 {controls::batchCodeBox, "batch code"},
                 {controls::sequenceBox, "sequence"},
                 {controls::passwordLengthBox, "password length"},
                 {controls::countBox, "count"}};
    for (const auto& box : boxes) {
        QTest::addRow("10 MB of digits pasted into the %s", box.name)
            << utf8(box.box) << Route::PasteShortcut << digits << QString() << true;
    }
    // Every box is the same kind of box; the other ways in need one box each.
    const struct {
        const char* name;
        Route route;
    } routes[] = {{"shift insert", Route::ShiftInsert},
                  {"input method commit", Route::InputMethodCommit},
                  {"one key event", Route::OneKeyEvent}};
    for (const auto& route : routes) {
        QTest::addRow("10 MB of digits by %s", route.name)
            << utf8(controls::countBox) << route.route << digits << QString() << true;
    }

    // Pasted text is not filtered; the cut falls between the halves of a pair.
    const QString emoji = QStringLiteral("😀").repeated(kFloodSize / 2);
    QTest::addRow("10 MB of emoji pasted, cut before a split pair")
        << utf8(controls::countBox) << Route::PasteShortcut << emoji << QStringLiteral("😀😀") << false;
    // Typed text is filtered first: nothing of it is a digit.
    QTest::addRow("10 MB of emoji typed at once")
        << utf8(controls::countBox) << Route::OneKeyEvent << emoji << QString() << false;
    QTest::addRow("10 MB after a line break pastes nothing")
        << utf8(controls::countBox) << Route::PasteShortcut << QString("\n" + digits) << QString() << false;
    QTest::addRow("10 MB of line breaks pastes nothing")
        << utf8(controls::sequenceBox) << Route::PasteShortcut << QString(kFloodSize, u'\r') << QString()
        << false;
}

void HostileInputTest::floodIsCutAtTheTypingLimit() {
    QFETCH(QString, boxName);
    QFETCH(Route, route);
    QFETCH(QString, flood);
    QFETCH(QString, expected);
    QFETCH(bool, cutAtLimit);
    WindowUnderTest ui;
    QVERIFY(ui.active());
    auto* box = ui.window->findChild<CodeLineEdit*>(boxName);
    QVERIFY(box);
    box->setFocus();
    box->clear();
    if (cutAtLimit)
        expected = flood.first(box->typingLimit());

    deliver(box, route, flood);
    QCOMPARE(box->text(), expected);
    flood.clear();

    // The box stays usable: typing, erasing and the limit work as before.
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, "-7");
    QCOMPARE(box->text(), QString("-7"));
    QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(box->text(), QString("-"));
    QTest::keyClicks(box, "123456789");
    QCOMPARE(box->text(), QString("-123456789").first(box->typingLimit()));
}

void HostileInputTest::modifiedKeysKeepTheRules_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::addRow("alt digit past the limit")
        << "99999" << Qt::KeyboardModifiers(Qt::AltModifier) << int(Qt::Key_5) << "5"
        << "99999";
    QTest::addRow("alt digit within the limit")
        << "" << Qt::KeyboardModifiers(Qt::AltModifier) << int(Qt::Key_5) << "5"
        << "5";
    QTest::addRow("alt text cut at the limit")
        << "" << Qt::KeyboardModifiers(Qt::AltModifier) << int(Qt::Key_unknown) << "123456789"
        << "12345";
    QTest::addRow("altgr euro sign dropped")
        << "1" << (Qt::ControlModifier | Qt::AltModifier) << int(Qt::Key_E) << "€"
        << "1";
    QTest::addRow("meta letter dropped")
        << "1" << Qt::KeyboardModifiers(Qt::MetaModifier) << int(Qt::Key_A) << "a"
        << "1";
    QTest::addRow("ctrl shift zero-width joiner dropped")
        << "1" << (Qt::ControlModifier | Qt::ShiftModifier) << int(Qt::Key_unknown) << "\u200D"
        << "1";
    QTest::addRow("ctrl keypad digit past the limit")
        << "99999" << (Qt::ControlModifier | Qt::KeypadModifier) << int(Qt::Key_5) << "5"
        << "99999";
}

void HostileInputTest::modifiedKeysKeepTheRules() {
    QFETCH(QString, start);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    WindowUnderTest ui;
    QVERIFY(ui.active());
    auto* box = ui.control<CodeLineEdit>(controls::countBox);
    box->setFocus();
    box->setText(start);
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(box, &press);
    QCOMPARE(box->text(), expected);
}

void HostileInputTest::unmappableCodesInABatch_data() {
    QTest::addColumn<QString>("faceValueCode");
    QTest::addColumn<QString>("batchCode");
    QTest::addColumn<QString>("sequence");
    QTest::addColumn<QByteArray>("expectedCodes");
    QTest::addColumn<int>("firstNumber");
    QTest::addColumn<int>("width");

    const QString loneHigh(QChar(0xD83D));
    const QString loneLow(QChar(0xDE00));
    QTest::addRow("emoji in the face-value code") << "😀"
                                                  << "A1B2C"
                                                  << "00001" << QByteArray("?A1B2C") << 1 << 5;
    QTest::addRow("CJK extension B in the batch code") << "56M5F"
                                                       << "𠀀𠀀"
                                                       << "00001" << QByteArray("56M5F??") << 1 << 5;
    QTest::addRow("emoji sequence reads as 0, one byte wide") << "56M5F"
                                                              << "A1B2C"
                                                              << "😀" << kDefaultCodes << 0 << 1;
    QTest::addRow("Chinese sequence reads as 0, two bytes wide") << "56M5F"
                                                                 << "A1B2C"
                                                                 << "中" << kDefaultCodes << 0 << 2;
    QTest::addRow("every code unmappable") << "😀🚀"
                                           << "𠀀"
                                           << "😀😀0" << QByteArray("???") << 0 << 3;
    QTest::addRow("Chinese beside emoji") << "中😀文"
                                          << ""
                                          << "7" << QByteArray("\xd6\xd0?\xce\xc4") << 7 << 1;
    QTest::addRow("lone surrogates") << loneHigh + "1" << loneLow << "1" << QByteArray("?1?") << 1 << 1;
    QTest::addRow("euro sign is one GBK byte") << "€"
                                               << "A1B2C"
                                               << "00001" << QByteArray(1, '\x80') + "A1B2C" << 1 << 5;
    QTest::addRow("zero character ends a code")
        << QString::fromLatin1("5\0006", 3) << QString(QChar(0)) << "001" << QByteArray("5") << 1 << 3;
}

void HostileInputTest::unmappableCodesInABatch() {
    QFETCH(QString, faceValueCode);
    QFETCH(QString, batchCode);
    QFETCH(QString, sequence);
    QFETCH(QByteArray, expectedCodes);
    QFETCH(int, firstNumber);
    QFETCH(int, width);
    WindowUnderTest ui;
    ui.window->prepare(QRect(0, 0, 1024, 768));
    ui.control<CodeLineEdit>(controls::faceValueCodeBox)->setText(faceValueCode);
    ui.control<CodeLineEdit>(controls::batchCodeBox)->setText(batchCode);
    ui.control<CodeLineEdit>(controls::sequenceBox)->setText(sequence);
    ui.control<CodeLineEdit>(controls::countBox)->setText("3");

    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    ui.control<QPushButton>(controls::generateButton)->click();
    QCOMPARE(MessageBoxes::takeAnsweredTexts(), QStringList{createdMessage(3)});

    QList<QByteArray> lines;
    splitList(outputBytes(*ui.window), lines);
    QCOMPARE(lines.size(), qsizetype{3});
    for (int i = 0; i < 3; ++i) {
        const QByteArray card = expectedCodes + sequenceNumber(firstNumber + i, width) + "  ";
        QCOMPARE(lines[i].first(card.size()), card);
        QCOMPARE(lines[i].size(), card.size() + 8);
    }
    // The codes stay in their boxes as they were set.
    QCOMPARE(ui.control<CodeLineEdit>(controls::faceValueCodeBox)->text(), faceValueCode);
}

void HostileInputTest::largestTypedCount() {
    WindowUnderTest ui;
    ui.window->prepare(QRect(0, 0, 1024, 768));
    QVERIFY(ui.active());
    auto* count = ui.control<CodeLineEdit>(controls::countBox);
    count->setFocus();
    count->clear();
    QTest::keyClicks(count, "999999");
    QCOMPARE(count->text(), QString("99999"));

    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    QTest::mouseClick(ui.control<QPushButton>(controls::generateButton), Qt::LeftButton);
    QCOMPARE(MessageBoxes::takeAnsweredTexts(), QStringList{createdMessage(99999)});

    const QByteArray bytes = outputBytes(*ui.window);
    QCOMPARE(bytes.size(), qsizetype{27} * 99999);
    QList<QByteArray> lines;
    splitList(bytes, lines);
    QCOMPARE(lines.size(), qsizetype{99999});
    QList<QByteArray> passwords;
    verifyDefaultCards(lines, passwords);
    verifyEightDigits(passwords);
    // The bar cannot count past 32767; it ends full.
    QCOMPARE(ui.window->progressBar().position(), 32767);
    QCOMPARE(ui.window->progressBar().value(), ui.window->progressBar().maximum());
}

void HostileInputTest::passwordLengthInEveryClass_data() {
    QTest::addColumn<QString>("radioName");
    QTest::addColumn<int>("length");
    QTest::addColumn<QStringList>("kinds");

    const QString digits = "0123456789";
    const QString lower = "abcdefghijklmnopqrstuvwx";
    const QString upper = lower.toUpper();
    const struct {
        std::string_view radio;
        const char* name;
        QStringList kinds;
    } classes[] = {
        {controls::digitsRadio, "digits", {digits}},
        {controls::lowerLettersRadio, "lower letters", {lower}},
        {controls::upperLettersRadio, "upper letters", {upper}},
        {controls::mixedCaseRadio, "mixed case", {lower, upper}},
        {controls::digitsUpperRadio, "digits and upper", {digits, upper}},
        {controls::digitsLowerRadio, "digits and lower", {digits, lower}},
    };
    for (const auto& passwordClass : classes) {
        for (const int length : {0, 1, 8, 99, 100}) {
            QTest::addRow("%s, length %d", passwordClass.name, length)
                << utf8(passwordClass.radio) << length << passwordClass.kinds;
        }
    }
}

void HostileInputTest::passwordLengthInEveryClass() {
    QFETCH(QString, radioName);
    QFETCH(int, length);
    QFETCH(QStringList, kinds);
    constexpr int kCount = 50;
    SecureRandom random;
    MainWindow window(random);
    window.prepare(QRect(0, 0, 1024, 768));
    window.findChild<QRadioButton*>(radioName)->setChecked(true);
    window.findChild<CodeLineEdit*>(utf8(controls::passwordLengthBox))->setText(QString::number(length));

    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    window.findChild<QPushButton*>(utf8(controls::generateButton))->click();
    QCOMPARE(MessageBoxes::takeAnsweredTexts(), QStringList{createdMessage(kCount)});

    QList<QByteArray> lines;
    splitList(outputBytes(window), lines);
    QCOMPARE(lines.size(), qsizetype{kCount});
    QList<QByteArray> passwords;
    verifyDefaultCards(lines, passwords);
    const QString alphabet = kinds.join(QString());
    QString seen;
    for (const QByteArray& password : passwords) {
        QCOMPARE(password.size(), qsizetype{length});
        for (const char c : password) {
            QVERIFY2(alphabet.contains(QLatin1Char(c)), password.constData());
            if (!seen.contains(QLatin1Char(c)))
                seen += QLatin1Char(c);
        }
    }
    // Enough draws that a class part, or a single character, left out would show.
    if (length >= 1) {
        for (const QString& kind : kinds)
            QVERIFY2(std::any_of(kind.cbegin(), kind.cend(), [&](QChar c) { return seen.contains(c); }),
                     qPrintable(kind));
    }
    if (length >= 99)
        QCOMPARE(seen.size(), alphabet.size());
}

void HostileInputTest::interruptedBatch_data() {
    QTest::addColumn<Interruption>("interruption");
    QTest::addRow("exit button") << Interruption::ExitButton;
    QTest::addRow("close box") << Interruption::CloseBox;
    QTest::addRow("generate button") << Interruption::GenerateButton;
}

void HostileInputTest::interruptedBatch() {
    QFETCH(Interruption, interruption);
    constexpr int kCount = 3000;
    constexpr int kFirstAt = 100;
    WindowUnderTest ui;
    ui.window->prepare(QRect(0, 0, 1024, 768));
    QVERIFY(ui.active());
    ui.control<CodeLineEdit>(controls::countBox)->setText(QString::number(kCount));
    auto* generate = ui.control<QPushButton>(controls::generateButton);
    QSignalSpy exits(ui.window.get(), &MainWindow::exitRequested);

    // From the batch's event pump, once the list has 100 lines: the interruption;
    // the generate button is pressed again every 100 lines, past its disabled state.
    int pressedAt = 0;
    int presses = 0;
    const EveryPump watcher([&] {
        const int line = ui.window->progressBar().position();
        if (!ui.window->isBatchRunning() || line < kFirstAt * (presses + 1))
            return;
        ++presses;
        if (pressedAt == 0)
            pressedAt = line;
        switch (interruption) {
        case Interruption::ExitButton:
            QTest::mouseClick(ui.control<QPushButton>(controls::exitButton), Qt::LeftButton);
            break;
        case Interruption::CloseBox:
            ui.window->windowHandle()->close();
            break;
        case Interruption::GenerateButton:
            QTest::mouseClick(generate, Qt::LeftButton);
            emit generate->clicked();
            break;
        }
    });
    if (interruption == Interruption::GenerateButton)
        MessageBoxes::setNextAnswer(QMessageBox::Ok);
    QTest::mouseClick(generate, Qt::LeftButton);

    QCOMPARE(pressedAt, kFirstAt);
    QVERIFY(!ui.window->isBatchRunning());
    QList<QByteArray> lines;
    splitList(outputBytes(*ui.window), lines);
    QList<QByteArray> passwords;
    verifyDefaultCards(lines, passwords);
    verifyEightDigits(passwords);

    switch (interruption) {
    case Interruption::ExitButton:
        QCOMPARE(exits.count(), 1);
        QCOMPARE(exits.front().front().toInt(), 0);
        break;
    case Interruption::CloseBox:
        QVERIFY(ui.window->isGone());
        QVERIFY(!ui.window->isVisible());
        QCOMPARE(exits.count(), 0);
        break;
    case Interruption::GenerateButton:
        // Ignored: one run, each card once, one closing message.
        QCOMPARE(presses, kCount / kFirstAt - 1);
        QCOMPARE(lines.size(), qsizetype{kCount});
        QCOMPARE(MessageBoxes::takeAnsweredTexts(), QStringList{createdMessage(kCount)});
        QVERIFY(generate->isEnabled());
        ui.window->close();
        return;
    }
    // Stopped where it was: no closing message, the lines made so far kept whole.
    QCOMPARE(MessageBoxes::takeAnsweredTexts(), QStringList());
    QCOMPARE(lines.size(), qsizetype{kFirstAt});
    ui.window->close();
}

QTEST_MAIN(HostileInputTest)
#include "HostileInputTest.moc"
