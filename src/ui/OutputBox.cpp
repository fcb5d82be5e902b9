#include "ui/OutputBox.h"

#include "ui/GbkText.h"
#include "ui/OutOfMemory.h"

#include <QScopedValueRollback>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <new>

namespace cardgen {

namespace {

// The document keeps paragraphs; the list keeps CR LF line ends.
QString documentText(std::string_view gbk) {
    QString text = qStringFromGbk(gbk);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}

std::string listBytes(const QString& documentText) {
    QString text = documentText;
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return gbkFromQString(text);
}

std::string_view beforeZeroByte(std::string_view gbk) {
    return gbk.substr(0, gbk.find('\0'));
}

} // namespace

OutputBox::OutputBox(QWidget* parent) : QPlainTextEdit(parent) {
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    connect(document(), &QTextDocument::contentsChanged, this, &OutputBox::onContentsChange);
}

OutputBox::~OutputBox() = default;

const std::string& OutputBox::bytes() {
    if (bytesStale_) {
        bytes_ = listBytes(toPlainText());
        bytesStale_ = false;
    }
    return bytes_;
}

void OutputBox::setBytes(std::string_view gbk) {
    bytes_.assign(beforeZeroByte(gbk));
    bytesStale_ = false;
    documentStale_ = true;
    if (isVisible())
        layIntoDocument();
}

void OutputBox::appendBytes(std::string_view gbk) {
    gbk = beforeZeroByte(gbk);
    // A user's edit of the shown text is the content to add to.
    static_cast<void>(bytes());
    try {
        bytes_.append(gbk);
    } catch (const std::bad_alloc&) {
        throw OutOfMemory(bytes_.size() + gbk.size());
    }
    if (!isVisible()) {
        documentStale_ = true;
        return;
    }
    if (documentStale_)
        layIntoDocument();
    else
        insertAtEnd(gbk);
}

QString OutputBox::text() {
    if (documentStale_)
        layIntoDocument();
    return toPlainText();
}

void OutputBox::showEvent(QShowEvent* event) {
    if (documentStale_)
        layIntoDocument();
    QPlainTextEdit::showEvent(event);
}

void OutputBox::layIntoDocument() {
    const QScopedValueRollback<bool> writing(writing_, true);
    // setPlainText also empties the undo history, as a program-set content should.
    setPlainText(documentText(bytes_));
    moveCursor(QTextCursor::End);
    documentStale_ = false;
}

void OutputBox::insertAtEnd(std::string_view gbk) {
    const QScopedValueRollback<bool> writing(writing_, true);
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    setTextCursor(cursor);
    ensureCursorVisible();
    document()->setUndoRedoEnabled(false);
    cursor.insertText(documentText(gbk));
    document()->setUndoRedoEnabled(true);
    setTextCursor(cursor);
    ensureCursorVisible();
}

void OutputBox::onContentsChange() {
    if (!writing_)
        bytesStale_ = true;
}

} // namespace cardgen
