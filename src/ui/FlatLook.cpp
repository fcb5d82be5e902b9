#include "ui/FlatLook.h"

#include <QApplication>
#include <QStyleFactory>

namespace cardgen {

QString flatLookStyleSheet() {
    return QStringLiteral(R"(
QPushButton {
    border: 1px solid rgb(123, 158, 189);
    border-radius: 3px;
    padding: 2px 4px;
    background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #ffffff, stop: 0.5 #f3f6f9, stop: 1 #dbe5ee);
}
QPushButton:hover {
    background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #ffffff, stop: 0.5 #eef4fa, stop: 1 #cddcea);
}
QPushButton:pressed {
    background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #d3dfea, stop: 1 #eef3f8);
}
QPushButton:focus {
    border-color: rgb(80, 120, 160);
}
QPushButton:disabled {
    color: #9a9a9a;
    border-color: #bfcbd6;
    background: #f2f2f2;
}
QLineEdit, QPlainTextEdit, QTextEdit, QAbstractSpinBox {
    border: 1px solid rgb(123, 158, 189);
    background: #ffffff;
    color: #000000;
}
QLineEdit:disabled, QAbstractSpinBox:disabled {
    background: #f2f2f2;
    color: #8a8a8a;
}
QComboBox {
    border: 1px solid rgb(123, 158, 189);
    background: #ffffff;
    padding: 1px 4px;
}
QComboBox::drop-down {
    border-left: 1px solid rgb(123, 158, 189);
    width: 16px;
}
QComboBox::down-arrow {
    image: url(:/cardgen/drop-down-arrow.png);
}
QComboBox QAbstractItemView {
    border: 1px solid rgb(123, 158, 189);
}
QGroupBox {
    border: 1px solid rgb(123, 158, 189);
    margin: 0;
    padding: 0;
}
QRadioButton::indicator, QCheckBox::indicator {
    width: 11px;
    height: 11px;
    border: 1px solid rgb(123, 158, 189);
    background: #ffffff;
}
QRadioButton::indicator {
    border-radius: 6px;
}
QRadioButton::indicator:checked {
    background: qradialgradient(cx: 0.5, cy: 0.5, radius: 0.5, fx: 0.5, fy: 0.5,
                                stop: 0 #1d3f66, stop: 0.45 #1d3f66, stop: 0.55 #ffffff, stop: 1 #ffffff);
}
QCheckBox::indicator:checked {
    background: qlineargradient(x1: 0, y1: 0, x2: 1, y2: 1, stop: 0 #ffffff, stop: 0.25 #ffffff,
                                stop: 0.26 #1d3f66, stop: 0.74 #1d3f66, stop: 0.75 #ffffff, stop: 1 #ffffff);
}
QToolButton {
    border: 1px solid rgb(123, 158, 189);
    background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #ffffff, stop: 1 #dbe5ee);
}
QToolButton:pressed {
    background: #cddcea;
}
)");
}

void applyFlatLook(QApplication& application) {
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
    application.setStyleSheet(flatLookStyleSheet());
}

} // namespace cardgen
