// The main window as laid out: controls, places, texts, colours, the narrowing
// and centring, the clock and the credit link.
#include "UiTestSupport.h"
#include "core/ControlNames.h"
#include "text/DateTime.h"
#include "ui/GbkText.h"
#include "ui/HyperlinkLabel.h"
#include "ui/Icons.h"
#include "ui/OutputBox.h"
#include "ui/ProgressBar.h"
#include "ui/SaveDialog.h"
#include "ui/SpinArrows.h"
#include "ui/WindowPlacement.h"

#include <QAbstractButton>
#include <QDesktopServices>
#include <QEnterEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>
#include <QUrl>

using namespace cardgen;
using cardgen::testing::WindowUnderTest;

namespace {

QString textOf(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget))
        return edit->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(widget))
        return group->title();
    if (const auto* output = qobject_cast<const QPlainTextEdit*>(widget))
        return output->toPlainText();
    return {};
}

QColor textColour(const QWidget* widget) {
    return widget->palette().color(QPalette::WindowText);
}

} // namespace

// Stands in for the desktop's handler of web addresses.
class AddressCatcher : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened.append(url); }
};

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() { testing::refuseUnansweredDialogs(); }
    void cleanup() { CARDGEN_VERIFY_CLEAN_END(); }

    void controls_data();
    void controls();
    void windowSettings();
    void labelColoursAndAlignment();
    void editBoxesStartCentredAtTheirFirstCharacter();
    void pictureOverlapsTheLink();
    void spinArrowsStandBesideTheirBoxes();
    void progressBarStartsEmpty();
    void timerAndSaveDialogObjects();
    void centredPosition_data();
    void centredPosition();
    void prepareNarrowsAndCentres();
    void clockIsEmptyThenTicks();
    void linkColoursFollowThePointer();
    void linkPressOpensTheAddress();
    void linkPressThatFailsIsNotVisited();
};

void MainWindowTest::controls_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<QString>("text");
    const QString window;
    const QString modes = "分组框1";
    const QString codes = "分组框2";
    QTest::newRow("标签10") << "QLabel" << modes << QRect(13, 90, 72, 16) << "系统时间为：";
    QTest::newRow("标签9") << "QLabel" << modes << QRect(90, 91, 144, 14) << "";
    QTest::newRow("图片框1") << "QLabel" << window << QRect(104, 312, 16, 16) << "";
    QTest::newRow("超级链接框1") << "cardgen::HyperlinkLabel" << window << QRect(118, 312, 43, 16)
                                 << "主页";
    QTest::newRow("按钮_导出密码") << "QPushButton" << window << QRect(8, 305, 72, 25) << "保存至文本";
    QTest::newRow("编辑框_卡号密码") << "QPlainTextEdit" << window << QRect(272, 14, 272, 280) << "";
    QTest::newRow("进度条1") << "QProgressBar" << window << QRect(8, 281, 248, 16) << "";
    QTest::newRow("标签8") << "QLabel" << codes << QRect(168, 67, 48, 15) << "（0-5位）";
    QTest::newRow("标签7") << "QLabel" << codes << QRect(168, 43, 48, 15) << "（2-8位）";
    QTest::newRow("标签6") << "QLabel" << codes << QRect(168, 18, 48, 15) << "（0-3位）";
    QTest::newRow("标签3") << "QLabel" << codes << QRect(16, 67, 48, 15) << "递增序列";
    QTest::newRow("编辑框_递增序列") << "QLineEdit" << codes << QRect(73, 64, 79, 20) << "00001";
    QTest::newRow("标签2") << "QLabel" << codes << QRect(16, 42, 48, 15) << "批次编码";
    QTest::newRow("编辑框_批次编码") << "QLineEdit" << codes << QRect(73, 39, 79, 20) << "A1B2C";
    QTest::newRow("标签1") << "QLabel" << codes << QRect(16, 18, 48, 15) << "面值编码";
    QTest::newRow("编辑框_面值编码") << "QLineEdit" << codes << QRect(73, 15, 79, 20) << "56M5F";
    QTest::newRow("分组框2") << "QGroupBox" << window << QRect(8, 8, 248, 96) << "";
    QTest::newRow("单选框_数字小写") << "QRadioButton" << modes << QRect(136, 64, 100, 18)
                                     << "数字+小写字母 ";
    QTest::newRow("单选框_数字大写") << "QRadioButton" << modes << QRect(136, 40, 100, 18)
                                     << "数字+大写字母 ";
    QTest::newRow("单选框_字母大小") << "QRadioButton" << modes << QRect(136, 16, 104, 18) << "大小字母+组合";
    QTest::newRow("按钮_退出") << "QPushButton" << window << QRect(182, 305, 72, 25) << "关闭本程序";
    QTest::newRow("按钮_生成") << "QPushButton" << window << QRect(168, 233, 87, 35) << "开始批量生成";
    QTest::newRow("标签5") << "QLabel" << window << QRect(11, 258, 48, 15) << "生成数量";
    QTest::newRow("编辑框_数量") << "QLineEdit" << window << QRect(67, 256, 56, 20) << "50";
    QTest::newRow("标签4") << "QLabel" << window << QRect(11, 234, 48, 15) << "密码位数";
    QTest::newRow("编辑框_密码位数") << "QLineEdit" << window << QRect(67, 232, 56, 20) << "8";
    QTest::newRow("分组框1") << "QGroupBox" << window << QRect(9, 105, 248, 111) << "";
    QTest::newRow("单选框_大写字母") << "QRadioButton" << modes << QRect(11, 64, 71, 18) << "大写字母";
    QTest::newRow("单选框_小写字母") << "QRadioButton" << modes << QRect(11, 40, 71, 18) << "小写字母";
    QTest::newRow("单选框_数字") << "QRadioButton" << modes << QRect(11, 16, 71, 18) << "单纯数字";
}

void MainWindowTest::controls() {
    QFETCH(QString, kind);
    QFETCH(QString, parent);
    QFETCH(QRect, place);
    QFETCH(QString, text);
    const QString name = QString::fromUtf8(QTest::currentDataTag());
    WindowUnderTest ui;
    const auto* widget = ui.window->findChild<QWidget*>(name);
    QVERIFY2(widget, qPrintable(name));
    QVERIFY2(widget->inherits(kind.toLatin1()), widget->metaObject()->className());
    QCOMPARE(widget->parentWidget() == ui.window.get() ? QString() : widget->parentWidget()->objectName(),
             parent);
    QCOMPARE(widget->geometry(), place);
    QCOMPARE(textOf(widget), text);
}

void MainWindowTest::windowSettings() {
    WindowUnderTest ui;
    QCOMPARE(ui.window->windowTitle(), QString("卡密批量生成工具 V1.0"));
    const Qt::WindowFlags flags = ui.window->windowFlags();
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(flags & Qt::WindowSystemMenuHint);
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(flags & Qt::WindowStaysOnTopHint));
    QCOMPARE(ui.window->minimumSize(), ui.window->maximumSize());
    QCOMPARE(ui.window->size(), MainWindow::kDesignedSize);
    const auto radios = ui.window->findChildren<QAbstractButton*>();
    for (const QAbstractButton* button : radios) {
        if (button->inherits("QRadioButton"))
            QCOMPARE(button->isChecked(), button->objectName() == "单选框_数字");
    }
}

void MainWindowTest::labelColoursAndAlignment() {
    WindowUnderTest ui;
    for (const char* name : {"标签9", "标签10"})
        QCOMPARE(textColour(ui.control<QLabel>(name)), QColor(0, 96, 192));
    for (const char* name : {"标签1", "标签2", "标签3", "标签4", "标签5", "标签6", "标签7", "标签8"})
        QCOMPARE(textColour(ui.control<QLabel>(name)), QColor(Qt::black));
    for (const char* name : {"标签6", "标签7", "标签8"})
        QCOMPARE(ui.control<QLabel>(name)->alignment(), Qt::AlignHCenter | Qt::AlignVCenter);
    for (const char* name : {"标签1", "标签2", "标签3", "标签4", "标签5", "标签9", "标签10"}) {
        auto* label = ui.control<QLabel>(name);
        QCOMPARE(label->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
        QVERIFY(!label->wordWrap());
        QVERIFY(label->autoFillBackground());
    }
}

void MainWindowTest::editBoxesStartCentredAtTheirFirstCharacter() {
    WindowUnderTest ui;
    for (const auto name : {controls::faceValueCodeBox, controls::batchCodeBox, controls::sequenceBox,
                            controls::passwordLengthBox, controls::countBox}) {
        auto* box = ui.control<QLineEdit>(name);
        QCOMPARE(box->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QCOMPARE(box->cursorPosition(), 0);
        QVERIFY(!box->hasSelectedText());
        QCOMPARE(box->maxLength(), 32767);
    }
    auto* output = ui.control<QPlainTextEdit>(controls::outputBox);
    QCOMPARE(output->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QVERIFY(!output->isReadOnly());
}

void MainWindowTest::pictureOverlapsTheLink() {
    WindowUnderTest ui;
    auto* picture = ui.control<QLabel>("图片框1");
    auto* link = ui.control<QLabel>("超级链接框1");
    QCOMPARE(picture->pixmap().size(), QSize(16, 16));
    QCOMPARE(picture->pixmap().toImage(), smallIcon().toImage());
    // The picture lies above the link where they overlap.
    QCOMPARE(ui.window->childAt(118, 318), picture);
    QCOMPARE(ui.window->childAt(120, 318), link);
}

void MainWindowTest::spinArrowsStandBesideTheirBoxes() {
    WindowUnderTest ui;
    auto* lengthArrows = ui.control<SpinArrows>("编辑框_密码位数_arrows");
    auto* countArrows = ui.control<SpinArrows>("编辑框_数量_arrows");
    QVERIFY(lengthArrows && countArrows);
    QCOMPARE(lengthArrows->geometry(), QRect(123, 232, 18, 20));
    QCOMPARE(countArrows->geometry(), QRect(123, 256, 18, 20));
    auto* count = ui.control<QWidget>(controls::countBox);
    count->move(30, 100);
    QCOMPARE(countArrows->geometry(), QRect(86, 100, 18, 20));
    count->hide();
    QVERIFY(countArrows->isHidden());
    count->show();
    QVERIFY(!countArrows->isHidden());
}

void MainWindowTest::progressBarStartsEmpty() {
    WindowUnderTest ui;
    auto* bar = ui.control<ProgressBar>(controls::progressBar);
    QCOMPARE(bar->minimum(), 0);
    QCOMPARE(bar->maximum(), 100);
    QCOMPARE(bar->value(), 0);
    QCOMPARE(bar->orientation(), Qt::Horizontal);
    QVERIFY(!bar->isTextVisible());
}

void MainWindowTest::timerAndSaveDialogObjects() {
    WindowUnderTest ui;
    auto* timer = ui.window->findChild<QTimer*>("时钟1");
    QVERIFY(timer);
    QCOMPARE(timer->interval(), 1000);
    QVERIFY(timer->isActive());
    QCOMPARE(timer->parent()->objectName(), QString("分组框1"));
    auto* dialog = ui.window->findChild<SaveDialog*>("通用对话框1");
    QVERIFY(dialog);
    QCOMPARE(dialog->parent()->objectName(), QString("分组框1"));
    QCOMPARE(qStringFromGbk(dialog->settings().title), QString("选择导出的卡号密码保存路径"));
    QCOMPARE(dialog->lastPath(), QString());
}

void MainWindowTest::centredPosition_data() {
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QPoint>("expected");
    QTest::addRow("1024 x 768") << QSize(1024, 768) << QPoint(374, 201);
    QTest::addRow("1920 x 1080") << QSize(1920, 1080) << QPoint(822, 357);
    QTest::addRow("odd sizes truncate") << QSize(1025, 769) << QPoint(375, 201);
    QTest::addRow("as large as the window") << QSize(275, 366) << QPoint(0, 0);
    QTest::addRow("200 wide goes negative") << QSize(200, 768) << QPoint(-37, 201);
    QTest::addRow("negative halves truncate toward zero") << QSize(100, 100) << QPoint(-87, -133);
}

void MainWindowTest::centredPosition() {
    QFETCH(QSize, screen);
    QFETCH(QPoint, expected);
    QCOMPARE(cardgen::centredPosition(screen, QSize(275, 366)), expected);
}

void MainWindowTest::prepareNarrowsAndCentres() {
    testing::CountingRandom random;
    MainWindow window(random);
    window.prepare(QRect(0, 0, 1024, 768));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.frameGeometry(), QRect(374, 201, 275, 366));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    auto* output = window.findChild<OutputBox*>("编辑框_卡号密码");
    QCOMPARE(output->geometry(), QRect(272, 14, 272, 280));
    QVERIFY(!output->isVisible());
    // Everything else lies inside the narrowed window.
    for (const QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child != output)
            QVERIFY2(window.rect().contains(child->geometry()), qPrintable(child->objectName()));
    }
}

void MainWindowTest::clockIsEmptyThenTicks() {
    WindowUnderTest ui;
    auto* clock = ui.control<QLabel>("标签9");
    QCOMPARE(clock->text(), QString());
    const QString before = qStringFromGbk(dateTimeToText(nowLocal()));
    QTRY_VERIFY_WITH_TIMEOUT(!clock->text().isEmpty(), 3000);
    const QString after = qStringFromGbk(dateTimeToText(nowLocal()));
    QVERIFY2(clock->text() == before || clock->text() == after, qPrintable(clock->text()));
    QVERIFY(clock->text().contains(QString("年")));
}

void MainWindowTest::linkColoursFollowThePointer() {
    WindowUnderTest ui;
    auto* link = ui.control<HyperlinkLabel>("超级链接框1");
    QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(link->alignment(), Qt::AlignCenter);
    QCOMPARE(textColour(link), QColor(0, 0, 255));
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), link->mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(link, &enter);
    QCOMPARE(textColour(link), QColor(10, 36, 106));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(link, &leave);
    QCOMPARE(textColour(link), QColor(0, 0, 255));
}

void MainWindowTest::linkPressOpensTheAddress() {
    WindowUnderTest ui;
    auto* link = ui.control<HyperlinkLabel>("超级链接框1");
    AddressCatcher catcher;
    QDesktopServices::setUrlHandler("https", &catcher, "open");
    QTest::mousePress(link, Qt::LeftButton);
    QDesktopServices::unsetUrlHandler("https");
    QCOMPARE(catcher.opened, QList<QUrl>{QUrl("https://cardgen.example.org/")});
    QVERIFY(link->isVisited());
    QCOMPARE(textColour(link), QColor(128, 0, 0));
    QTest::mouseRelease(link, Qt::LeftButton);
    QTest::mousePress(link, Qt::RightButton);
    QCOMPARE(catcher.opened.size(), 1);
}

void MainWindowTest::linkPressThatFailsIsNotVisited() {
    WindowUnderTest ui;
    auto* link = ui.control<HyperlinkLabel>("超级链接框1");
    // The offscreen platform has no desktop to open addresses with.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(".*"));
    QTest::mousePress(link, Qt::LeftButton);
    QVERIFY(!link->isVisited());
    QCOMPARE(textColour(link), QColor(0, 0, 255));
}

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
