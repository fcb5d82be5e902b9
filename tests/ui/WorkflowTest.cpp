// Whole actions through the buttons: a batch with the defaults, the export, and
// what closing or exiting does to a running batch.
#include "UiTestSupport.h"
#include "core/ControlNames.h"
#include "ui/ProgressBar.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

using namespace cardgen;
using cardgen::testing::WindowUnderTest;

namespace {

const QString kCreated50 = QStringLiteral("创建成功：你当前生成的卡号密码共计 50 个");
const QString kSaved = QStringLiteral("你当前生成的卡号密码导出保存成功");

QByteArray outputBytes(MainWindow& window) {
    const TextValue text = window.readText(controls::outputBox);
    return QByteArray(text.c_str(), static_cast<qsizetype>(text.size()));
}

// Checks lines "56M5FA1B2C" + sequence + two spaces + 8 digits + CR LF, numbered from 1.
void verifyDefaultLines(const QByteArray& bytes, int count) {
    QCOMPARE(bytes.size(), qsizetype{27} * count);
    static const QRegularExpression line("^56M5FA1B2C(\\d{5})  \\d{8}$");
    const QList<QByteArray> lines = bytes.split('\n');
    QCOMPARE(lines.size(), count + 1);
    QVERIFY(lines.back().isEmpty());
    for (int i = 0; i < count; ++i) {
        QVERIFY2(lines[i].endsWith('\r'), lines[i].constData());
        const auto match = line.match(QString::fromLatin1(lines[i].chopped(1)));
        QVERIFY2(match.hasMatch(), lines[i].constData());
        QCOMPARE(match.captured(1).toInt(), i + 1);
    }
}

} // namespace

class WorkflowTest : public QObject {
    Q_OBJECT

private slots:
    void init() { testing::refuseUnansweredDialogs(); }
    void cleanup() { CARDGEN_VERIFY_CLEAN_END(); }

    void generateDefaultBatch();
    void generateButtonIsDisabledWhileRunning();
    void zeroCountDoesNothing();
    void exportWritesTheList();
    void exportCancelledWritesNothing();
    void closingDuringBatchStopsIt();
    void exitButtonDuringBatchStopsItAtOnce();
};

void WorkflowTest::generateDefaultBatch() {
    WindowUnderTest ui;
    ui.window->prepare(QRect(0, 0, 1024, 768));
    QVERIFY(ui.active());
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    QTest::mouseClick(ui.control<QPushButton>(controls::generateButton), Qt::LeftButton);
    QCOMPARE(MessageBoxes::takeAnsweredTexts(), QStringList{kCreated50});
    verifyDefaultLines(outputBytes(*ui.window), 50);
    QCOMPARE(ui.window->progressBar().position(), 50);
    QCOMPARE(ui.window->progressBar().value(), 50);
    QVERIFY(ui.control<QPushButton>(controls::generateButton)->isEnabled());
}

void WorkflowTest::generateButtonIsDisabledWhileRunning() {
    WindowUnderTest ui;
    QVERIFY(ui.active());
    auto* generate = ui.control<QPushButton>(controls::generateButton);
    generate->setFocus();
    bool seenRunning = false;
    QTimer::singleShot(0, this, [&] {
        seenRunning = ui.window->isBatchRunning() && !generate->isEnabled();
        // A second click inside the run starts nothing.
        generate->click();
    });
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    QTest::mouseClick(generate, Qt::LeftButton);
    QVERIFY(seenRunning);
    QCOMPARE(MessageBoxes::takeAnsweredTexts(), QStringList{kCreated50});
    QVERIFY(generate->isEnabled());
    QCOMPARE(QApplication::focusWidget(), generate);
}

void WorkflowTest::zeroCountDoesNothing() {
    WindowUnderTest ui;
    ui.window->setOutputText(TextValue("kept\r\n"));
    ui.control<QLineEdit>(controls::countBox)->setText("abc");
    QTest::mouseClick(ui.control<QPushButton>(controls::generateButton), Qt::LeftButton);
    QCOMPARE(outputBytes(*ui.window), QByteArray("kept\r\n"));
    QCOMPARE(MessageBoxes::takeAnsweredTexts(), QStringList());
}

void WorkflowTest::exportWritesTheList() {
    WindowUnderTest ui;
    ui.window->prepare(QRect(0, 0, 1024, 768));
    QVERIFY(ui.active());
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    QTest::mouseClick(ui.control<QPushButton>(controls::generateButton), Qt::LeftButton);
    QCOMPARE(MessageBoxes::takeAnsweredTexts(), QStringList{kCreated50});

    QTemporaryDir dir;
    const QString path = dir.filePath("list.Txt");
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(5000, 'x'));
    }
    SaveFileDialogs::setNextFileName(path);
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    QTest::mouseClick(ui.control<QPushButton>(controls::exportButton), Qt::LeftButton);
    QCOMPARE(MessageBoxes::takeAnsweredTexts(), QStringList{kSaved});

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    QCOMPARE(written, outputBytes(*ui.window));
    verifyDefaultLines(written, 50);
}

void WorkflowTest::exportCancelledWritesNothing() {
    WindowUnderTest ui;
    QTemporaryDir dir;
    SaveFileDialogs::setNextFileName(std::nullopt);
    QTest::mouseClick(ui.control<QPushButton>(controls::exportButton), Qt::LeftButton);
    QCOMPARE(SaveFileDialogs::takeAnswered().size(), std::size_t{1});
    QCOMPARE(MessageBoxes::takeAnsweredTexts(), QStringList());
    QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
}

void WorkflowTest::closingDuringBatchStopsIt() {
    WindowUnderTest ui;
    ui.window->prepare(QRect(0, 0, 1024, 768));
    QVERIFY(ui.active());
    ui.control<QLineEdit>(controls::countBox)->setText("99999");
    QTimer::singleShot(
        0, this, [&ui] { QTest::keyClick(ui.control<QWidget>(controls::digitsRadio), Qt::Key_Escape); });
    QTest::mouseClick(ui.control<QPushButton>(controls::generateButton), Qt::LeftButton);
    QVERIFY(ui.window->isGone());
    QVERIFY(!ui.window->isVisible());
    QVERIFY(!ui.window->isBatchRunning());
    // No closing message, and the lines stop where the window went.
    QCOMPARE(MessageBoxes::takeAnsweredTexts(), QStringList());
    QVERIFY(outputBytes(*ui.window).size() < 27 * 99999);
}

void WorkflowTest::exitButtonDuringBatchStopsItAtOnce() {
    WindowUnderTest ui;
    ui.window->prepare(QRect(0, 0, 1024, 768));
    QVERIFY(ui.active());
    ui.control<QLineEdit>(controls::countBox)->setText("99999");
    QSignalSpy exits(ui.window.get(), &MainWindow::exitRequested);
    QTimer::singleShot(
        0, this, [&ui] { QTest::mouseClick(ui.control<QPushButton>(controls::exitButton), Qt::LeftButton); });
    QTest::mouseClick(ui.control<QPushButton>(controls::generateButton), Qt::LeftButton);
    QCOMPARE(exits.count(), 1);
    QCOMPARE(exits.front().front().toInt(), 0);
    QVERIFY(!ui.window->isBatchRunning());
    QCOMPARE(MessageBoxes::takeAnsweredTexts(), QStringList());
    QVERIFY(outputBytes(*ui.window).size() < 27 * 99999);
    ui.window->close();
}

QTEST_MAIN(WorkflowTest)
#include "WorkflowTest.moc"
