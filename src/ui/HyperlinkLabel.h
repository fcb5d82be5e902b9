#pragma once

#include <QLabel>
#include <QString>

namespace cardgen {

// A text link: blue, dark blue under the pointer, dark red once visited. A left
// press opens the address on the desktop; whether that worked is the visited state.
class HyperlinkLabel : public QLabel {
    Q_OBJECT

public:
    static constexpr QRgb kNormalColour = qRgb(0, 0, 255);
    static constexpr QRgb kHoverColour = qRgb(10, 36, 106);
    static constexpr QRgb kVisitedColour = qRgb(128, 0, 0);

    HyperlinkLabel(const QString& text, const QString& address, QWidget* parent = nullptr);
    ~HyperlinkLabel() override;

    [[nodiscard]] QString address() const { return address_; }
    [[nodiscard]] bool isVisited() const noexcept { return visited_; }
    [[nodiscard]] bool isHovered() const noexcept { return hovered_; }

    // Opens the address with the desktop's "open" action; nothing for an empty one.
    void openAddress();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void updateColour();

    QString address_;
    bool visited_ = false;
    bool hovered_ = false;
};

} // namespace cardgen
