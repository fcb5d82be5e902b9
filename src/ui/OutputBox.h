#pragma once

#include <QPlainTextEdit>
#include <string>
#include <string_view>

namespace cardgen {

// The multi-line box that holds the generated list. The list lives here as GBK
// bytes and goes into the text document only while the box is shown: laying out
// every appended line costs far more than making it, and in the narrowed window
// the box is never shown. Once the user edits the shown text, the document is
// the content until the next change by the program.
class OutputBox : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit OutputBox(QWidget* parent = nullptr);
    ~OutputBox() override;

    // The whole content as GBK bytes, lines ending in CR LF.
    [[nodiscard]] const std::string& bytes();
    void setBytes(std::string_view gbk);
    // Adds at the end (caret moved there and kept in view when shown), not
    // recorded for undo. Bytes after a zero byte are left off, as a text value would.
    void appendBytes(std::string_view gbk);
    // The content as the widget shows it, laid into the document first.
    [[nodiscard]] QString text();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void layIntoDocument();
    void insertAtEnd(std::string_view gbk);
    void onContentsChange();

    std::string bytes_;
    bool documentStale_ = false; // bytes_ holds more than the document
    bool bytesStale_ = false;    // the user edited the document since
    bool writing_ = false;       // a change of ours, not the user's
};

} // namespace cardgen
