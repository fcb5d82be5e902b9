#include "ui/CodeLineEdit.h"

#include "ui/IntegerText.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <algorithm>
#include <memory>

namespace cardgen {

namespace {

bool isControlCharacter(QChar c) noexcept {
    return c.unicode() < 32 || c.unicode() == 127;
}

// Whether QLineEdit would take the key's text in as typed: it does for every
// printable text except under Ctrl or Ctrl+Shift alone, and for format characters
// always. Alt, AltGr (Ctrl+Alt) and Meta type too, and must meet the same rules.
bool typesText(const QKeyEvent& event) {
    const QString typed = event.text();
    if (typed.isEmpty() || isControlCharacter(typed.front()))
        return false;
    if (typed.front().category() == QChar::Other_Format)
        return true;
    // Compared whole, as QLineEdit does: Ctrl with the keypad still types.
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    return modifiers != Qt::ControlModifier && modifiers != (Qt::ControlModifier | Qt::ShiftModifier);
}

bool isAcceptedTyped(QChar c) noexcept {
    return (c.unicode() >= '0' && c.unicode() <= '9') || c.unicode() == '-';
}

QString acceptedTyped(const QString& text) {
    QString kept;
    std::copy_if(text.cbegin(), text.cend(), std::back_inserter(kept), isAcceptedTyped);
    return kept;
}

// A single-line box takes a pasted text up to its first line break.
QString firstLine(const QString& text) {
    const auto end =
        std::find_if(text.cbegin(), text.cend(), [](QChar c) { return c == u'\r' || c == u'\n'; });
    return text.first(end - text.cbegin());
}

} // namespace

CodeLineEdit::CodeLineEdit(int typingLimit, OnFocusLoss onFocusLoss, QWidget* parent)
    : QLineEdit(parent), typingLimit_(typingLimit), onFocusLoss_(onFocusLoss) {
    // Dropped text would bypass the typing rules.
    setAcceptDrops(false);
}

CodeLineEdit::~CodeLineEdit() = default;

QString CodeLineEdit::limited(const QString& text) const {
    const qsizetype room = typingLimit_ - (this->text().size() - selectedText().size());
    if (room <= 0)
        return {};
    if (text.size() <= room)
        return text;
    qsizetype cut = room;
    // Never split a surrogate pair.
    if (text[cut - 1].isHighSurrogate())
        --cut;
    return text.first(cut);
}

void CodeLineEdit::insertLimited(const QString& text) {
    const QString taken = limited(firstLine(text));
    if (!taken.isEmpty())
        insert(taken);
}

void CodeLineEdit::pasteLimited() {
    if (isReadOnly())
        return;
    insertLimited(QGuiApplication::clipboard()->text(QClipboard::Clipboard));
}

void CodeLineEdit::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        pasteLimited();
        event->accept();
        return;
    }
    if (!typesText(*event) || isReadOnly()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // Typed characters: the filter first, then the limit; what is dropped goes silently.
    insertLimited(acceptedTyped(event->text()));
    event->accept();
}

void CodeLineEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (event->commitString().isEmpty() || isReadOnly()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(limited(acceptedTyped(event->commitString())), event->replacementStart(),
                             event->replacementLength());
    QLineEdit::inputMethodEvent(&filtered);
    event->accept();
}

void CodeLineEdit::mouseReleaseEvent(QMouseEvent* event) {
    // The middle button pastes the X11 selection; it goes through the limit too.
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        if (!isReadOnly() && rect().contains(event->position().toPoint())) {
            const QString selection = QGuiApplication::clipboard()->text(QClipboard::Selection);
            if (!selection.isEmpty()) {
                setCursorPosition(cursorPositionAt(event->position().toPoint()));
                insertLimited(selection);
            }
        }
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void CodeLineEdit::contextMenuEvent(QContextMenuEvent* event) {
    const std::unique_ptr<QMenu> menu(createStandardContextMenu());
    // The standard menu's paste action is the one wired to QLineEdit::paste; Qt
    // wires it by name, so only a by-name disconnect finds it.
    for (QAction* action : menu->actions()) {
        if (disconnect(action, SIGNAL(triggered()), this, SLOT(paste())))
            connect(action, &QAction::triggered, this, &CodeLineEdit::pasteLimited);
    }
    menu->exec(event->globalPos());
}

void CodeLineEdit::focusOutEvent(QFocusEvent* event) {
    // A context menu takes the focus only for a moment.
    if (onFocusLoss_ == OnFocusLoss::RewriteInteger && event->reason() != Qt::PopupFocusReason)
        rewriteInteger();
    QLineEdit::focusOutEvent(event);
}

void CodeLineEdit::rewriteInteger() {
    const QString current = text();
    const QString result = rewrittenInteger(current);
    if (result == current)
        return;
    const int caret = hasSelectedText() ? selectionStart() : cursorPosition();
    setText(result);
    setCursorPosition(std::min(caret, static_cast<int>(result.size())));
}

} // namespace cardgen
