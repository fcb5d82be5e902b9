#pragma once

#include <QProgressBar>

namespace cardgen {

// The progress bar with the window's clamping rules. It keeps the logical
// position but hands the bar a new value only when the filled width changes, so
// a batch that moves it once per line repaints it a few hundred times at most.
class ProgressBar : public QProgressBar {
    Q_OBJECT

public:
    static constexpr int kLimit = 32767;

    explicit ProgressBar(QWidget* parent = nullptr);
    ~ProgressBar() override;

    // Each bound clamped into 0..32767; the bar spans from the smaller to the larger.
    void setBounds(int first, int second);
    // Clamped into 0..32767, then into the bounds.
    void setPosition(int position);

    [[nodiscard]] int lowerBound() const noexcept { return lower_; }
    [[nodiscard]] int upperBound() const noexcept { return upper_; }
    [[nodiscard]] int position() const noexcept { return position_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    [[nodiscard]] int filledWidth(int position) const noexcept;
    void refresh(bool force);

    int lower_ = 0;
    int upper_ = 100;
    int position_ = 0;
    int shownWidth_ = -1;
};

} // namespace cardgen
