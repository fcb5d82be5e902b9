#include "ui/ProgressBar.h"

#include <algorithm>
#include <cstdint>

namespace cardgen {

ProgressBar::ProgressBar(QWidget* parent) : QProgressBar(parent) {
    setTextVisible(false);
    setOrientation(Qt::Horizontal);
    refresh(true);
}

ProgressBar::~ProgressBar() = default;

void ProgressBar::setBounds(int first, int second) {
    first = std::clamp(first, 0, kLimit);
    second = std::clamp(second, 0, kLimit);
    lower_ = std::min(first, second);
    upper_ = std::max(first, second);
    position_ = std::clamp(position_, lower_, upper_);
    refresh(true);
}

void ProgressBar::setPosition(int position) {
    position_ = std::clamp(std::clamp(position, 0, kLimit), lower_, upper_);
    refresh(false);
}

void ProgressBar::resizeEvent(QResizeEvent* event) {
    QProgressBar::resizeEvent(event);
    refresh(true);
}

int ProgressBar::filledWidth(int position) const noexcept {
    const std::int64_t span = upper_ - lower_;
    if (span <= 0)
        return 0;
    return static_cast<int>(std::int64_t{position - lower_} * width() / span);
}

void ProgressBar::refresh(bool force) {
    const int filled = filledWidth(position_);
    if (!force && filled == shownWidth_)
        return;
    shownWidth_ = filled;
    // Equal bounds would make the bar a busy indicator; it is an empty bar instead.
    if (lower_ == upper_) {
        setRange(lower_, lower_ + 1);
        setValue(lower_);
        return;
    }
    setRange(lower_, upper_);
    setValue(position_);
}

} // namespace cardgen
