// The window operations that the batch run and the export call (UiPort).
#include "UiTestSupport.h"
#include "core/ControlNames.h"
#include "ui/GbkText.h"
#include "ui/OutputBox.h"
#include "ui/ProgressBar.h"
#include "ui/SaveDialog.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <string>

using namespace cardgen;
using cardgen::testing::WindowUnderTest;

namespace {

// "中文" and "信息" in GBK.
constexpr std::string_view kChineseGbk = "\xd6\xd0\xce\xc4";

} // namespace

class UiPortTest : public QObject {
    Q_OBJECT

private slots:
    void init() { testing::refuseUnansweredDialogs(); }
    void cleanup() { CARDGEN_VERIFY_CLEAN_END(); }

    void readTextGivesGbk_data();
    void readTextGivesGbk();
    void readTextOfUnknownControlIsEmpty();
    void isCheckedFollowsTheRadioButtons();
    void outputKeepsBytesExactly();
    void appendOutputThenReadText();
    void appendToShownBoxShowsTheLinesWithoutUndo();
    void userEditOfShownBoxIsTheContent();
    void progressClamping_data();
    void progressClamping();
    void progressWithEqualBoundsIsAnEmptyBar();
    void progressRepaintsOnlyWhenTheFillChanges();
    void pumpEventsDispatchesWhatWaits();
    void pumpEventsIsFalseOnceClosed();
    void exitProgramStopsThePumpAndAsksToExit();
    void showInfoShowsTheText();
    void showInfoBoxIsApplicationModal();
    void chooseSaveFileConfiguresTheDialog();
    void chooseSaveFileKeepsThePathAcrossCancel();
    void realDialogAddsTheDefaultSuffix();
};

void UiPortTest::readTextGivesGbk_data() {
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QByteArray>("gbk");
    QTest::addRow("ascii") << "56M5F" << QByteArray("56M5F");
    QTest::addRow("chinese") << "中文" << QByteArray(kChineseGbk.data(), kChineseGbk.size());
    QTest::addRow("mixed") << "a中b"
                           << QByteArray("a\xd6\xd0"
                                         "b");
    QTest::addRow("emoji has no GBK form") << "1\U0001F600" << QByteArray("1?");
    QTest::addRow("hangul has no GBK form") << "한2" << QByteArray("?2");
    QTest::addRow("empty") << "" << QByteArray();
}

void UiPortTest::readTextGivesGbk() {
    QFETCH(QString, shown);
    QFETCH(QByteArray, gbk);
    WindowUnderTest ui;
    ui.control<QLineEdit>(controls::sequenceBox)->setText(shown);
    const TextValue text = ui.window->readText(controls::sequenceBox);
    QCOMPARE(QByteArray(text.c_str(), static_cast<qsizetype>(text.size())), gbk);
    // And back: what GBK holds comes out as it went in.
    if (!gbk.contains('?'))
        QCOMPARE(qStringFromGbk(text.bytes()), shown);
}

void UiPortTest::readTextOfUnknownControlIsEmpty() {
    WindowUnderTest ui;
    QVERIFY(ui.window->readText("no such box").empty());
    QVERIFY(!ui.window->isChecked("no such radio"));
    QVERIFY(!ui.window->isChecked(controls::countBox));
}

void UiPortTest::isCheckedFollowsTheRadioButtons() {
    WindowUnderTest ui;
    QVERIFY(ui.window->isChecked(controls::digitsRadio));
    ui.control<QRadioButton>(controls::digitsUpperRadio)->setChecked(true);
    QVERIFY(!ui.window->isChecked(controls::digitsRadio));
    QVERIFY(ui.window->isChecked(controls::digitsUpperRadio));
}

void UiPortTest::outputKeepsBytesExactly() {
    WindowUnderTest ui;
    ui.window->prepare(QRect(0, 0, 1024, 768));
    // A lone LF, a lone CR and a byte GBK cannot decode all survive.
    const std::string bytes = std::string(kChineseGbk) + "x\ny\rz\xff\r\n";
    ui.window->setOutputText(TextValue(bytes));
    QCOMPARE(ui.window->readText(controls::outputBox).bytes(), std::string_view(bytes));
    ui.window->setOutputText(TextValue());
    QVERIFY(ui.window->readText(controls::outputBox).empty());
}

void UiPortTest::appendOutputThenReadText() {
    WindowUnderTest ui;
    ui.window->prepare(QRect(0, 0, 1024, 768));
    ui.window->setOutputText(TextValue("old\r\n"));
    ui.window->setOutputText(TextValue());
    ui.window->appendOutput("first  1\r\n");
    ui.window->appendOutput(std::string(kChineseGbk) + "\r\n");
    ui.window->appendOutput(std::string_view("cut\0here", 8));
    QCOMPARE(ui.window->readText(controls::outputBox).bytes(),
             std::string_view("first  1\r\n" + std::string(kChineseGbk) + "\r\ncut"));
    // The narrowed window never shows the box, yet the widget's text is there on request.
    auto* output = ui.control<OutputBox>(controls::outputBox);
    QVERIFY(!output->isVisible());
    QCOMPARE(output->text(), QString("first  1\n中文\ncut"));
}

void UiPortTest::appendToShownBoxShowsTheLinesWithoutUndo() {
    WindowUnderTest ui;
    auto* output = ui.control<OutputBox>(controls::outputBox);
    QVERIFY(output->isVisible());
    ui.window->setOutputText(TextValue());
    ui.window->appendOutput("line 1\r\n");
    ui.window->appendOutput("line 2\r\n");
    QCOMPARE(output->toPlainText(), QString("line 1\nline 2\n"));
    QVERIFY(!output->document()->isUndoAvailable());
    QCOMPARE(output->textCursor().position(), output->document()->characterCount() - 1);
    QCOMPARE(ui.window->readText(controls::outputBox).bytes(), std::string_view("line 1\r\nline 2\r\n"));
}

void UiPortTest::userEditOfShownBoxIsTheContent() {
    WindowUnderTest ui;
    QVERIFY(ui.active());
    auto* output = ui.control<OutputBox>(controls::outputBox);
    ui.window->appendOutput("ab\r\n");
    output->setFocus();
    output->moveCursor(QTextCursor::End);
    QTest::keyClicks(output, "cd");
    QTest::keyClick(output, Qt::Key_Return);
    QCOMPARE(ui.window->readText(controls::outputBox).bytes(), std::string_view("ab\r\ncd\r\n"));
    ui.window->appendOutput("ef\r\n");
    QCOMPARE(ui.window->readText(controls::outputBox).bytes(), std::string_view("ab\r\ncd\r\nef\r\n"));
    QCOMPARE(output->toPlainText(), QString("ab\ncd\nef\n"));
}

void UiPortTest::progressClamping_data() {
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("lower");
    QTest::addColumn<int>("upper");
    QTest::addColumn<int>("expected");
    QTest::addRow("inside") << 0 << 50 << 25 << 0 << 50 << 25;
    QTest::addRow("bounds and position clamped to 32767") << -5 << 40000 << 50000 << 0 << 32767 << 32767;
    QTest::addRow("negative position is 0") << 0 << 100 << -3 << 0 << 100 << 0;
    QTest::addRow("swapped bounds span the same") << 100 << 10 << 50 << 10 << 100 << 50;
    QTest::addRow("below swapped bounds rises") << 100 << 10 << 5 << 10 << 100 << 10;
    QTest::addRow("above swapped bounds falls") << 100 << 10 << 200 << 10 << 100 << 100;
    QTest::addRow("largest count") << 0 << 2147483647 << 2147483647 << 0 << 32767 << 32767;
    QTest::addRow("equal bounds hold the position") << 0 << 0 << 7 << 0 << 0 << 0;
}

void UiPortTest::progressClamping() {
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(int, position);
    QFETCH(int, lower);
    QFETCH(int, upper);
    QFETCH(int, expected);
    WindowUnderTest ui;
    ui.window->setProgressRange(first, second);
    ui.window->setProgressPosition(position);
    const ProgressBar& bar = ui.window->progressBar();
    QCOMPARE(bar.lowerBound(), lower);
    QCOMPARE(bar.upperBound(), upper);
    QCOMPARE(bar.position(), expected);
}

void UiPortTest::progressWithEqualBoundsIsAnEmptyBar() {
    WindowUnderTest ui;
    ui.window->setProgressRange(0, -3);
    ui.window->setProgressPosition(0);
    const ProgressBar& bar = ui.window->progressBar();
    // A range of 0..0 would turn the bar into a busy indicator.
    QVERIFY(bar.maximum() > bar.minimum());
    QCOMPARE(bar.value(), bar.minimum());
}

void UiPortTest::progressRepaintsOnlyWhenTheFillChanges() {
    WindowUnderTest ui;
    ProgressBar& bar = ui.window->progressBar();
    QSignalSpy shown(&bar, &QProgressBar::valueChanged);
    ui.window->setProgressRange(0, 30000);
    for (int i = 1; i <= 30000; ++i)
        ui.window->setProgressPosition(i);
    QCOMPARE(bar.position(), 30000);
    QCOMPARE(bar.value(), 30000);
    QVERIFY2(shown.count() <= bar.width() + 1, qPrintable(QString::number(shown.count())));
}

void UiPortTest::pumpEventsDispatchesWhatWaits() {
    WindowUnderTest ui;
    bool posted = false;
    bool timer = false;
    QMetaObject::invokeMethod(
        this, [&posted] { posted = true; }, Qt::QueuedConnection);
    QTimer::singleShot(0, this, [&timer] { timer = true; });
    QVERIFY(ui.window->pumpEvents());
    QVERIFY(posted);
    QTRY_VERIFY(ui.window->pumpEvents() && timer);
}

void UiPortTest::pumpEventsIsFalseOnceClosed() {
    WindowUnderTest ui;
    QVERIFY(ui.window->pumpEvents());
    ui.window->close();
    QVERIFY(!ui.window->pumpEvents());
    QVERIFY(!ui.window->pumpEvents());
}

void UiPortTest::exitProgramStopsThePumpAndAsksToExit() {
    WindowUnderTest ui;
    QSignalSpy exits(ui.window.get(), &MainWindow::exitRequested);
    ui.window->exitProgram(0);
    QCOMPARE(exits.count(), 1);
    QCOMPARE(exits.front().front().toInt(), 0);
    QVERIFY(!ui.window->pumpEvents());
}

void UiPortTest::showInfoShowsTheText() {
    WindowUnderTest ui;
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    ui.window->showInfo(TextValue(std::string(kChineseGbk) + " 50"));
    QCOMPARE(MessageBoxes::takeAnsweredTexts(), QStringList{"中文 50"});
}

void UiPortTest::showInfoBoxIsApplicationModal() {
    WindowUnderTest ui;
    QVERIFY(ui.active());
    DialogSeam::setRefuseUnexpected(false);
    bool inspected = false;
    QTimer::singleShot(0, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        QCOMPARE(box->windowTitle(), QString("信息："));
        QCOMPARE(box->text(), QString("中文"));
        QCOMPARE(box->icon(), QMessageBox::Information);
        QCOMPARE(box->standardButtons(), QMessageBox::Ok);
        QCOMPARE(box->windowModality(), Qt::ApplicationModal);
        QCOMPARE(box->parentWidget(), nullptr);
        inspected = true;
        box->button(QMessageBox::Ok)->click();
    });
    ui.window->showInfo(TextValue(kChineseGbk));
    DialogSeam::setRefuseUnexpected(true);
    QVERIFY(inspected);
}

void UiPortTest::chooseSaveFileConfiguresTheDialog() {
    WindowUnderTest ui;
    SaveFileDialogs::setNextFileName(QString("/tmp/目录/list.Txt"));
    const auto chosen = ui.window->chooseSaveFile();
    QVERIFY(chosen);
    QCOMPARE(chosen->string(), std::string("/tmp/目录/list.Txt"));
    const auto shown = SaveFileDialogs::takeAnswered();
    QCOMPARE(shown.size(), std::size_t{1});
    QCOMPARE(shown[0].title, QString("选择导出的卡号密码保存路径"));
    QCOMPARE(shown[0].nameFilters, QStringList({"文本 (*.Txt)", "所有文件 (*.*)"}));
    QCOMPARE(shown[0].selectedNameFilter, QString("文本 (*.Txt)"));
    QCOMPARE(shown[0].defaultSuffix, QString("Txt"));
    QVERIFY(shown[0].confirmsOverwrite);
}

void UiPortTest::chooseSaveFileKeepsThePathAcrossCancel() {
    WindowUnderTest ui;
    QTemporaryDir dir;
    const QString path = dir.filePath("first.Txt");
    SaveFileDialogs::setNextFileName(path);
    QVERIFY(ui.window->chooseSaveFile());
    SaveFileDialogs::setNextFileName(std::nullopt);
    QVERIFY(!ui.window->chooseSaveFile());
    SaveFileDialogs::setNextFileName(std::nullopt);
    QVERIFY(!ui.window->chooseSaveFile());
    const auto shown = SaveFileDialogs::takeAnswered();
    QCOMPARE(shown.size(), std::size_t{3});
    QCOMPARE(shown[1].selectedFiles, QStringList{path});
    QCOMPARE(shown[2].selectedFiles, QStringList{path});
    QCOMPARE(ui.window->saveDialog().lastPath(), path);
    QCOMPARE(qStringFromGbk(ui.window->saveDialog().settings().fileName), path);
}

void UiPortTest::realDialogAddsTheDefaultSuffix() {
    QTemporaryDir dir;
    SaveDialog settings;
    QFileDialog dialog;
    settings.configure(dialog);
    QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptSave);
    QVERIFY(dialog.testOption(QFileDialog::DontUseNativeDialog));
    dialog.setDirectory(dir.path());
    dialog.selectFile("list");
    QCOMPARE(dialog.selectedFiles(), QStringList{dir.filePath("list.Txt")});
    dialog.selectFile("notes.txt");
    QCOMPARE(dialog.selectedFiles(), QStringList{dir.filePath("notes.txt")});
}

QTEST_MAIN(UiPortTest)
#include "UiPortTest.moc"
