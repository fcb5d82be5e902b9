#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class QFileDialog;

namespace cardgen {

// Runs save dialogs. A test answers the next dialog in advance with a path or a
// cancel; the dialog is then not shown, and what it was set up with is recorded.
class SaveFileDialogs {
public:
    struct Shown {
        QString title;
        QStringList nameFilters;
        QString selectedNameFilter;
        QString defaultSuffix;
        QStringList selectedFiles;
        bool confirmsOverwrite = true;
    };

    // A path to choose, or nothing to cancel.
    static void setNextFileName(std::optional<QString> path);
    // The dialogs answered in advance since the last call, oldest first.
    [[nodiscard]] static std::vector<Shown> takeAnswered();

    // Runs the dialog modally; the chosen path, or nothing on cancel.
    [[nodiscard]] static std::optional<QString> run(QFileDialog& dialog);
};

} // namespace cardgen
