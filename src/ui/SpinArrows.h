#pragma once

#include "ui/IntegerText.h"

#include <QWidget>

class QToolButton;

namespace cardgen {

class CodeLineEdit;

// The up and down arrows that stand right of a number box, as tall as the box
// and 18 pixels wide. They follow the box when it moves or hides; a press steps
// the box's value through 0..100, wrapping at both ends.
class SpinArrows : public QWidget {
    Q_OBJECT

public:
    static constexpr int kWidth = 18;

    explicit SpinArrows(CodeLineEdit* box);
    ~SpinArrows() override;

    [[nodiscard]] QToolButton* upButton() const noexcept { return up_; }
    [[nodiscard]] QToolButton* downButton() const noexcept { return down_; }

    void step(SpinDirection direction);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void followBox();

    CodeLineEdit* box_;
    QToolButton* up_;
    QToolButton* down_;
};

} // namespace cardgen
