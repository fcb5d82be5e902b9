#pragma once

#include <QLineEdit>

namespace cardgen {

// A single-line box for codes and numbers. Typed characters other than digits
// and '-' are dropped; typing and pasting never take the box past its typing
// limit, while text the program sets is kept whole (QLineEdit::maxLength would
// cut that too). With the integer rewrite on, losing the focus normalises the
// text to a plain 32-bit integer.
class CodeLineEdit : public QLineEdit {
    Q_OBJECT

public:
    enum class OnFocusLoss { Keep, RewriteInteger };

    CodeLineEdit(int typingLimit, OnFocusLoss onFocusLoss, QWidget* parent = nullptr);
    ~CodeLineEdit() override;

    [[nodiscard]] int typingLimit() const noexcept { return typingLimit_; }

    // Takes in text as typing or pasting does: replaces the selection, keeps the
    // first line only and cuts what would pass the typing limit.
    void insertLimited(const QString& text);
    // Pastes the clipboard through insertLimited.
    void pasteLimited();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    [[nodiscard]] QString limited(const QString& text) const;
    void rewriteInteger();

    int typingLimit_;
    OnFocusLoss onFocusLoss_;
};

} // namespace cardgen
