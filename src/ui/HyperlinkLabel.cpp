#include "ui/HyperlinkLabel.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QUrl>

namespace cardgen {

HyperlinkLabel::HyperlinkLabel(const QString& text, const QString& address, QWidget* parent)
    : QLabel(text, parent), address_(address) {
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    setCursor(Qt::PointingHandCursor);
    updateColour();
}

HyperlinkLabel::~HyperlinkLabel() = default;

void HyperlinkLabel::openAddress() {
    if (address_.isEmpty()) {
        visited_ = false;
        updateColour();
        return;
    }
    visited_ = QDesktopServices::openUrl(QUrl(address_));
    updateColour();
    if (visited_)
        repaint();
}

void HyperlinkLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        event->accept();
        openAddress();
        return;
    }
    QLabel::mousePressEvent(event);
}

void HyperlinkLabel::enterEvent(QEnterEvent* event) {
    hovered_ = true;
    updateColour();
    QLabel::enterEvent(event);
}

void HyperlinkLabel::leaveEvent(QEvent* event) {
    hovered_ = false;
    updateColour();
    QLabel::leaveEvent(event);
}

void HyperlinkLabel::updateColour() {
    const QRgb colour = hovered_ ? kHoverColour : visited_ ? kVisitedColour : kNormalColour;
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, QColor(colour));
    setPalette(colours);
}

} // namespace cardgen
