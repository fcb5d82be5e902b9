#include "ui/MainWindow.h"

#include "core/ControlNames.h"
#include "export/ListExport.h"
#include "text/DateTime.h"
#include "ui/CodeLineEdit.h"
#include "ui/GbkText.h"
#include "ui/HyperlinkLabel.h"
#include "ui/Icons.h"
#include "ui/MessageBoxes.h"
#include "ui/OutputBox.h"
#include "ui/ProgressBar.h"
#include "ui/SaveDialog.h"
#include "ui/SpinArrows.h"
#include "ui/WindowPlacement.h"

#include <QCloseEvent>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <algorithm>
#include <vector>

namespace cardgen {

namespace {

constexpr QRgb kClockColour = qRgb(0, 96, 192);
const QString kCaption = QStringLiteral("卡密批量生成工具 V1.0");
const QString kCredit = QStringLiteral("主页");
const QString kAddress = QStringLiteral("https://cardgen.example.org/");

// The radio buttons' names in focus order, as MainWindow::radios_ holds them.
constexpr std::array<std::string_view, 6> kRadioNames{
    controls::digitsRadio,    controls::lowerLettersRadio, controls::upperLettersRadio,
    controls::mixedCaseRadio, controls::digitsUpperRadio,  controls::digitsLowerRadio};

QString nameOf(std::string_view name) {
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

template <typename Widget>
Widget* place(Widget* widget, const QString& name, int x, int y, int width, int height) {
    widget->setObjectName(name);
    widget->setGeometry(x, y, width, height);
    return widget;
}

QLabel* addLabel(QWidget* parent, const QString& name, const QString& text, QRect rect,
                 Qt::Alignment horizontal = Qt::AlignLeft) {
    auto* label = place(new QLabel(text, parent), name, rect.x(), rect.y(), rect.width(), rect.height());
    label->setAlignment(horizontal | Qt::AlignVCenter);
    // Labels fill their rectangle with the face colour before drawing the text.
    label->setAutoFillBackground(true);
    return label;
}

void setTextColour(QWidget* widget, QRgb colour) {
    QPalette colours = widget->palette();
    colours.setColor(QPalette::WindowText, QColor(colour));
    widget->setPalette(colours);
}

CodeLineEdit* addCodeBox(QWidget* parent, std::string_view name, const QString& text, QRect rect,
                         int typingLimit, CodeLineEdit::OnFocusLoss onFocusLoss) {
    auto* box = place(new CodeLineEdit(typingLimit, onFocusLoss, parent), nameOf(name), rect.x(), rect.y(),
                      rect.width(), rect.height());
    box->setAlignment(Qt::AlignHCenter);
    box->setText(text);
    // Starting texts show from their first character, nothing selected.
    box->setCursorPosition(0);
    return box;
}

QRadioButton* addRadio(QWidget* parent, std::string_view name, const QString& text, QRect rect) {
    return place(new QRadioButton(text, parent), nameOf(name), rect.x(), rect.y(), rect.width(),
                 rect.height());
}

QPushButton* addButton(QWidget* parent, std::string_view name, const QString& text, QRect rect) {
    auto* button =
        place(new QPushButton(text, parent), nameOf(name), rect.x(), rect.y(), rect.width(), rect.height());
    // No default button: Enter starts nothing.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

// Keeps the generate button disabled while its batch runs, also when the run
// throws; a window that is gone is left as it is.
class DisabledWhileRunning {
public:
    DisabledWhileRunning(QPushButton* button, const bool& gone) : button_(button), gone_(gone) {
        const bool hadFocus = button_->hasFocus();
        button_->setEnabled(false);
        if (hadFocus)
            focusMovedTo_ = button_->window()->focusWidget();
    }
    ~DisabledWhileRunning() {
        if (gone_ || !button_)
            return;
        button_->setEnabled(true);
        // Disabling moved the focus on; give it back unless the user moved it since.
        if (focusMovedTo_ && button_->window()->focusWidget() == focusMovedTo_)
            button_->setFocus(Qt::OtherFocusReason);
    }
    DisabledWhileRunning(const DisabledWhileRunning&) = delete;
    DisabledWhileRunning& operator=(const DisabledWhileRunning&) = delete;

private:
    QPointer<QPushButton> button_;
    const bool& gone_;
    QPointer<QWidget> focusMovedTo_;
};

} // namespace

MainWindow::MainWindow(RandomGenerator& random, QWidget* parent) : QWidget(parent), generator_(random) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle(kCaption);
    setFixedSize(kDesignedSize);
    buildControls();

    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
    installEventFilter(this);

    faceValueCode_->setFocus(Qt::OtherFocusReason);
    clock_->start();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildControls() {
    using OnFocusLoss = CodeLineEdit::OnFocusLoss;

    // The group boxes first: they are the parents of the controls placed in them.
    codeGroup_ = place(new QGroupBox(this), QStringLiteral("分组框2"), 8, 8, 248, 96);
    modeGroup_ = place(new QGroupBox(this), QStringLiteral("分组框1"), 9, 105, 248, 111);

    // The rest in the layout's stored order.
    auto* label10 =
        addLabel(modeGroup_, QStringLiteral("标签10"), QStringLiteral("系统时间为："), {13, 90, 72, 16});
    setTextColour(label10, kClockColour);
    clockLabel_ = addLabel(modeGroup_, nameOf(controls::clockLabel), QString(), {90, 91, 144, 14});
    setTextColour(clockLabel_, kClockColour);

    clock_ = new QTimer(modeGroup_);
    clock_->setObjectName(nameOf(controls::clockTimer));
    clock_->setInterval(kClockInterval);
    clock_->setTimerType(Qt::PreciseTimer);
    connect(clock_, &QTimer::timeout, this, &MainWindow::refreshClock);

    auto* picture = place(new QLabel(this), QStringLiteral("图片框1"), 104, 312, 16, 16);
    picture->setPixmap(smallIcon());
    picture->setAutoFillBackground(true);
    link_ =
        place(new HyperlinkLabel(kCredit, kAddress, this), QStringLiteral("超级链接框1"), 118, 312, 43, 16);

    saveDialog_ = new SaveDialog(modeGroup_);
    saveDialog_->setObjectName(nameOf(controls::saveDialog));

    exportButton_ = addButton(this, controls::exportButton, QStringLiteral("保存至文本"), {8, 305, 72, 25});
    output_ = place(new OutputBox(this), nameOf(controls::outputBox), 272, 14, 272, 280);
    // Not a stop of the focus order; only the program reads and writes it.
    output_->setFocusPolicy(Qt::ClickFocus);
    progress_ = place(new ProgressBar(this), nameOf(controls::progressBar), 8, 281, 248, 16);
    // Segments and a thin sunken border; the progress bar keeps out of the flat look.
    progress_->setStyleSheet(
        QStringLiteral("QProgressBar { border: 1px solid; border-color: #8c8c8c #d4d4d4 #d4d4d4 #8c8c8c; "
                       "background: #ffffff; }"
                       "QProgressBar::chunk { background: #3173c0; width: 6px; margin: 1px; }"));

    addLabel(codeGroup_, QStringLiteral("标签8"), QStringLiteral("（0-5位）"), {168, 67, 48, 15},
             Qt::AlignHCenter);
    addLabel(codeGroup_, QStringLiteral("标签7"), QStringLiteral("（2-8位）"), {168, 43, 48, 15},
             Qt::AlignHCenter);
    addLabel(codeGroup_, QStringLiteral("标签6"), QStringLiteral("（0-3位）"), {168, 18, 48, 15},
             Qt::AlignHCenter);
    addLabel(codeGroup_, QStringLiteral("标签3"), QStringLiteral("递增序列"), {16, 67, 48, 15});
    sequence_ = addCodeBox(codeGroup_, controls::sequenceBox, QStringLiteral("00001"), {73, 64, 79, 20}, 5,
                           OnFocusLoss::Keep);
    addLabel(codeGroup_, QStringLiteral("标签2"), QStringLiteral("批次编码"), {16, 42, 48, 15});
    batchCode_ = addCodeBox(codeGroup_, controls::batchCodeBox, QStringLiteral("A1B2C"), {73, 39, 79, 20}, 8,
                            OnFocusLoss::RewriteInteger);
    addLabel(codeGroup_, QStringLiteral("标签1"), QStringLiteral("面值编码"), {16, 18, 48, 15});
    faceValueCode_ = addCodeBox(codeGroup_, controls::faceValueCodeBox, QStringLiteral("56M5F"),
                                {73, 15, 79, 20}, 3, OnFocusLoss::Keep);

    QRadioButton* digitsLower = addRadio(modeGroup_, controls::digitsLowerRadio,
                                         QStringLiteral("数字+小写字母 "), {136, 64, 100, 18});
    QRadioButton* digitsUpper = addRadio(modeGroup_, controls::digitsUpperRadio,
                                         QStringLiteral("数字+大写字母 "), {136, 40, 100, 18});
    QRadioButton* mixedCase =
        addRadio(modeGroup_, controls::mixedCaseRadio, QStringLiteral("大小字母+组合"), {136, 16, 104, 18});

    exitButton_ = addButton(this, controls::exitButton, QStringLiteral("关闭本程序"), {182, 305, 72, 25});
    generateButton_ =
        addButton(this, controls::generateButton, QStringLiteral("开始批量生成"), {168, 233, 87, 35});
    addLabel(this, QStringLiteral("标签5"), QStringLiteral("生成数量"), {11, 258, 48, 15});
    count_ = addCodeBox(this, controls::countBox, QStringLiteral("50"), {67, 256, 56, 20}, 5,
                        OnFocusLoss::RewriteInteger);
    addLabel(this, QStringLiteral("标签4"), QStringLiteral("密码位数"), {11, 234, 48, 15});
    passwordLength_ = addCodeBox(this, controls::passwordLengthBox, QStringLiteral("8"), {67, 232, 56, 20}, 2,
                                 OnFocusLoss::RewriteInteger);

    QRadioButton* upper =
        addRadio(modeGroup_, controls::upperLettersRadio, QStringLiteral("大写字母"), {11, 64, 71, 18});
    QRadioButton* lower =
        addRadio(modeGroup_, controls::lowerLettersRadio, QStringLiteral("小写字母"), {11, 40, 71, 18});
    QRadioButton* digits =
        addRadio(modeGroup_, controls::digitsRadio, QStringLiteral("单纯数字"), {11, 16, 71, 18});
    digits->setChecked(true);
    radios_ = {digits, lower, upper, mixedCase, digitsUpper, digitsLower};

    passwordLengthArrows_ = new SpinArrows(passwordLength_);
    countArrows_ = new SpinArrows(count_);

    // A row higher in the layout lies above a lower one of the same parent.
    const std::vector<QWidget*> stacking{
        label10,     clockLabel_, picture,   link_,       exportButton_,   output_, progress_,
        digitsLower, digitsUpper, mixedCase, exitButton_, generateButton_, count_,  passwordLength_,
        codeGroup_,  modeGroup_,  upper,     lower,       digits};
    for (auto it = stacking.rbegin(); it != stacking.rend(); ++it)
        (*it)->raise();
    // The arrows stand beside their boxes and cover nothing.
    passwordLengthArrows_->raise();
    countArrows_->raise();

    connect(generateButton_, &QPushButton::clicked, this, &MainWindow::generate);
    connect(exportButton_, &QPushButton::clicked, this, &MainWindow::exportToFile);
    connect(exitButton_, &QPushButton::clicked, this, [this] { exitProgram(0); });
}

std::array<QWidget*, 14> MainWindow::focusOrder() const {
    return {faceValueCode_, batchCode_,      sequence_,     radios_[0], radios_[1],
            radios_[2],     radios_[3],      radios_[4],    radios_[5], passwordLength_,
            count_,         generateButton_, exportButton_, exitButton_};
}

void MainWindow::prepare(const QRect& screen) {
    // The frame can only be measured once the window exists.
    winId();
    screen_ = screen;
    placeOnScreen(screen);
}

QMargins MainWindow::frameMargins() const {
    const QRect outer = frameGeometry();
    const QRect inner = geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

void MainWindow::placeOnScreen(const QRect& screen) {
    const QMargins frame = frameMargins();
    placedWithFrame_ = frame;
    setFixedSize(kNarrowedWidth - frame.left() - frame.right(),
                 kDesignedSize.height() - frame.top() - frame.bottom());
    move(screen.topLeft() + centredPosition(screen.size(), QSize(kNarrowedWidth, kDesignedSize.height())));
    updateOutputBoxVisibility();
}

void MainWindow::placeAgainIfFrameChanged() {
    // Under a window manager the frame is known only once the window is mapped.
    if (screen_ && frameMargins() != placedWithFrame_)
        placeOnScreen(*screen_);
}

void MainWindow::updateOutputBoxVisibility() {
    // Outside the narrowed window the box is never shown, and so it lays out nothing.
    output_->setVisible(rect().contains(output_->geometry()));
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    updateOutputBoxVisibility();
}

void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (screen_)
        QTimer::singleShot(0, this, &MainWindow::placeAgainIfFrameChanged);
}

void MainWindow::refreshClock() {
    clockLabel_->setText(qStringFromGbk(dateTimeToText(nowLocal())));
}

void MainWindow::exitProgram(int code) {
    gone_ = true;
    emit exitRequested(code);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The window object stays alive: a batch may still be on the stack below us.
    gone_ = true;
    event->accept();
}

void MainWindow::generate() {
    if (generator_.isRunning() || gone_)
        return;
    const DisabledWhileRunning disabled(generateButton_, gone_);
    generator_.runBatch(*this);
}

void MainWindow::exportToFile() {
    exportList(*this);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);

    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if (key->key() == Qt::Key_Escape && modifiers == Qt::NoModifier) {
        close();
        return true;
    }
    const bool plainOrShift = (modifiers & ~Qt::ShiftModifier) == Qt::NoModifier;
    if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) && plainOrShift) {
        const bool forward = key->key() == Qt::Key_Tab && !(modifiers & Qt::ShiftModifier);
        moveFocus(forward);
        return true;
    }
    auto* radioButton = qobject_cast<QRadioButton*>(watched);
    if (radioButton && modifiers == Qt::NoModifier &&
        std::find(radios_.begin(), radios_.end(), radioButton) != radios_.end()) {
        switch (key->key()) {
        case Qt::Key_Right:
        case Qt::Key_Down:
            return moveAmongRadios(radioButton, true);
        case Qt::Key_Left:
        case Qt::Key_Up:
            return moveAmongRadios(radioButton, false);
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool MainWindow::focusNextPrevChild(bool next) {
    return moveFocus(next);
}

bool MainWindow::moveFocus(bool forward) {
    const auto order = focusOrder();
    const auto count = static_cast<int>(order.size());
    const auto current = std::find(order.begin(), order.end(), focusWidget());
    // From outside the order, forward starts at the first stop and backward at the last.
    int index = current == order.end() ? (forward ? -1 : count) : static_cast<int>(current - order.begin());
    for (int step = 0; step < count; ++step) {
        index = ((forward ? index + 1 : index - 1) + count) % count;
        QWidget* candidate = order[static_cast<std::size_t>(index)];
        if (candidate->isVisibleTo(this) && candidate->isEnabled()) {
            candidate->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}

bool MainWindow::moveAmongRadios(QRadioButton* from, bool forward) {
    const auto count = static_cast<int>(radios_.size());
    int index = static_cast<int>(std::find(radios_.begin(), radios_.end(), from) - radios_.begin());
    for (int step = 0; step < count; ++step) {
        index = ((forward ? index + 1 : index - 1) + count) % count;
        QRadioButton* candidate = radios_[static_cast<std::size_t>(index)];
        if (candidate->isVisibleTo(this) && candidate->isEnabled()) {
            candidate->setChecked(true);
            candidate->setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
    return true;
}

CodeLineEdit* MainWindow::codeBox(std::string_view name) const noexcept {
    if (name == controls::faceValueCodeBox)
        return faceValueCode_;
    if (name == controls::batchCodeBox)
        return batchCode_;
    if (name == controls::sequenceBox)
        return sequence_;
    if (name == controls::passwordLengthBox)
        return passwordLength_;
    if (name == controls::countBox)
        return count_;
    return nullptr;
}

QRadioButton* MainWindow::radio(std::string_view name) const noexcept {
    for (std::size_t i = 0; i < kRadioNames.size(); ++i) {
        if (name == kRadioNames[i])
            return radios_[i];
    }
    return nullptr;
}

TextValue MainWindow::readText(std::string_view editBox) {
    if (editBox == controls::outputBox)
        return TextValue(output_->bytes());
    if (CodeLineEdit* box = codeBox(editBox))
        return textFromQString(box->text());
    return {};
}

bool MainWindow::isChecked(std::string_view radioButton) {
    const QRadioButton* button = radio(radioButton);
    return button != nullptr && button->isChecked();
}

void MainWindow::setProgressRange(std::int32_t min, std::int32_t max) {
    progress_->setBounds(min, max);
}

void MainWindow::setProgressPosition(std::int32_t position) {
    progress_->setPosition(position);
}

void MainWindow::setOutputText(const TextValue& text) {
    output_->setBytes(text.bytes());
}

void MainWindow::appendOutput(std::string_view text) {
    output_->appendBytes(text);
}

bool MainWindow::pumpEvents() {
    if (gone_)
        return false;
    pump_.pump();
    return !gone_;
}

void MainWindow::showInfo(const TextValue& message) {
    MessageBoxes::information(qStringFromGbk(message));
}

std::optional<std::filesystem::path> MainWindow::chooseSaveFile() {
    const std::optional<QString> chosen = saveDialog_->run(this);
    if (!chosen)
        return std::nullopt;
    return std::filesystem::path(QFile::encodeName(*chosen).toStdString());
}

} // namespace cardgen
