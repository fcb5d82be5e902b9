#pragma once

#include "core/BatchGenerator.h"
#include "core/RandomGenerator.h"
#include "core/UiPort.h"
#include "ui/EventPump.h"

#include <QMargins>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <array>
#include <optional>
#include <string_view>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;

namespace cardgen {

class CodeLineEdit;
class HyperlinkLabel;
class OutputBox;
class ProgressBar;
class SaveDialog;
class SpinArrows;

// The program's one window: the code fields, the password classes, the length
// and count with their arrows, the buttons, the progress bar, the clock and the
// credit, laid out at fixed places. It is also the batch run's and the export's
// view of the window (UiPort).
class MainWindow : public QWidget, public UiPort {
    Q_OBJECT

public:
    // The outer size as laid out, frame included, and the width it is narrowed to.
    static constexpr QSize kDesignedSize{568, 366};
    static constexpr int kNarrowedWidth = 275;
    static constexpr int kClockInterval = 1000;

    explicit MainWindow(RandomGenerator& random, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Before the first showing: narrows the window to its outer width of 275
    // pixels, which leaves the output box outside, and centres it on the screen.
    void prepare(const QRect& screen);

    // Once the window is closed or the program is ending, a running batch stops.
    [[nodiscard]] bool isGone() const noexcept { return gone_; }
    [[nodiscard]] bool isBatchRunning() const noexcept { return generator_.isRunning(); }
    [[nodiscard]] SaveDialog& saveDialog() const noexcept { return *saveDialog_; }
    [[nodiscard]] ProgressBar& progressBar() const noexcept { return *progress_; }
    [[nodiscard]] OutputBox& outputBox() const noexcept { return *output_; }

    // The 14 stops of Tab and Shift+Tab, in order.
    [[nodiscard]] std::array<QWidget*, 14> focusOrder() const;

    void refreshClock();
    // Ends the program with the code: a running batch stops where it is.
    void exitProgram(int code);

    [[nodiscard]] TextValue readText(std::string_view editBox) override;
    [[nodiscard]] bool isChecked(std::string_view radioButton) override;
    void setProgressRange(std::int32_t min, std::int32_t max) override;
    void setProgressPosition(std::int32_t position) override;
    void setOutputText(const TextValue& text) override;
    void appendOutput(std::string_view text) override;
    [[nodiscard]] bool pumpEvents() override;
    void showInfo(const TextValue& message) override;
    [[nodiscard]] std::optional<std::filesystem::path> chooseSaveFile() override;

signals:
    // Asks the application to end with the code (the exit button).
    void exitRequested(int code);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void generate();
    void exportToFile();
    bool moveFocus(bool forward);
    bool moveAmongRadios(QRadioButton* from, bool forward);
    void placeOnScreen(const QRect& screen);
    void placeAgainIfFrameChanged();
    void updateOutputBoxVisibility();
    [[nodiscard]] QMargins frameMargins() const;
    [[nodiscard]] CodeLineEdit* codeBox(std::string_view name) const noexcept;
    [[nodiscard]] QRadioButton* radio(std::string_view name) const noexcept;

    BatchGenerator generator_;
    EventPump pump_;
    bool gone_ = false;
    std::optional<QRect> screen_;
    QMargins placedWithFrame_;

    QGroupBox* codeGroup_ = nullptr;
    QGroupBox* modeGroup_ = nullptr;
    CodeLineEdit* faceValueCode_ = nullptr;
    CodeLineEdit* batchCode_ = nullptr;
    CodeLineEdit* sequence_ = nullptr;
    CodeLineEdit* passwordLength_ = nullptr;
    CodeLineEdit* count_ = nullptr;
    SpinArrows* passwordLengthArrows_ = nullptr;
    SpinArrows* countArrows_ = nullptr;
    OutputBox* output_ = nullptr;
    // In focus order: digits, lower, upper, mixed case, digits+upper, digits+lower.
    std::array<QRadioButton*, 6> radios_{};
    QPushButton* generateButton_ = nullptr;
    QPushButton* exportButton_ = nullptr;
    QPushButton* exitButton_ = nullptr;
    ProgressBar* progress_ = nullptr;
    QLabel* clockLabel_ = nullptr;
    HyperlinkLabel* link_ = nullptr;
    QTimer* clock_ = nullptr;
    SaveDialog* saveDialog_ = nullptr;
};

} // namespace cardgen
