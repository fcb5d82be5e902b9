#include "ui/SpinArrows.h"

#include "ui/CodeLineEdit.h"

#include <QEvent>
#include <QToolButton>

namespace cardgen {

namespace {

QToolButton* makeArrow(Qt::ArrowType arrow, const char* name, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    // The arrows act on their box; they never hold the focus themselves.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

SpinArrows::SpinArrows(CodeLineEdit* box)
    : QWidget(box->parentWidget()), box_(box), up_(makeArrow(Qt::UpArrow, "up", this)),
      down_(makeArrow(Qt::DownArrow, "down", this)) {
    setObjectName(box->objectName() + QLatin1String("_arrows"));
    // pressed comes on the press and again at every auto-repeat step.
    connect(up_, &QToolButton::pressed, this, [this] { step(SpinDirection::Up); });
    connect(down_, &QToolButton::pressed, this, [this] { step(SpinDirection::Down); });
    box_->installEventFilter(this);
    followBox();
}

SpinArrows::~SpinArrows() = default;

void SpinArrows::step(SpinDirection direction) {
    box_->setText(QString::number(spinValue(box_->text(), direction)));
    box_->selectAll();
    box_->setFocus(Qt::OtherFocusReason);
}

bool SpinArrows::eventFilter(QObject* watched, QEvent* event) {
    if (watched == box_) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            followBox();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SpinArrows::followBox() {
    const QRect box = box_->geometry();
    setGeometry(box.right() + 1, box.top(), kWidth, box.height());
    const int upper = box.height() / 2;
    up_->setGeometry(0, 0, kWidth, upper);
    down_->setGeometry(0, upper, kWidth, box.height() - upper);
    setVisible(box_->isVisibleTo(parentWidget()));
}

} // namespace cardgen
