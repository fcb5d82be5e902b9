#pragma once

#include "export/SaveDialogSettings.h"

#include <QObject>
#include <QString>
#include <optional>

class QFileDialog;
class QWidget;

namespace cardgen {

// The save dialog of the export, with its stored settings. It has no visible
// part of its own; each run opens a fresh file dialog set up from the settings.
class SaveDialog : public QObject {
    Q_OBJECT

public:
    explicit SaveDialog(QObject* parent = nullptr);
    ~SaveDialog() override;

    [[nodiscard]] const SaveDialogSettings& settings() const noexcept { return settings_; }
    [[nodiscard]] SaveDialogSettings& settings() noexcept { return settings_; }
    // The last path chosen with OK, exactly as the file system names it.
    [[nodiscard]] QString lastPath() const { return lastPath_; }

    // Sets a file dialog up from the settings: save mode, caption, file types
    // with the initial one selected, default extension, overwrite check and the
    // last chosen path as the starting selection.
    void configure(QFileDialog& dialog) const;
    // Runs the dialog modal over parent. After OK the path is kept for next
    // time; a cancel leaves the kept path as it was.
    [[nodiscard]] std::optional<QString> run(QWidget* parent);

private:
    SaveDialogSettings settings_;
    QString lastPath_;
};

} // namespace cardgen
