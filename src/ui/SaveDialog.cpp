#include "ui/SaveDialog.h"

#include "ui/GbkText.h"
#include "ui/SaveFileDialogs.h"

#include <QFileDialog>
#include <algorithm>

namespace cardgen {

SaveDialog::SaveDialog(QObject* parent) : QObject(parent), settings_(defaultSaveDialogSettings()) {
}

SaveDialog::~SaveDialog() = default;

void SaveDialog::configure(QFileDialog& dialog) const {
    // Qt's own dialog, so that it wears the application's look.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !settings_.confirmOverwrite);
    if (!settings_.title.empty())
        dialog.setWindowTitle(qStringFromGbk(settings_.title));

    QStringList filters;
    for (const FileType& type : fileTypesFromFilter(settings_.filter)) {
        // Patterns are ';'-separated in the stored filter, space-separated in Qt's.
        QString patterns = qStringFromGbk(type.pattern);
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters.append(QStringLiteral("%1 (%2)").arg(qStringFromGbk(type.name), patterns));
    }
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const qsizetype initial = std::clamp<qsizetype>(settings_.initialFilter, 0, filters.size() - 1);
        dialog.selectNameFilter(filters[initial]);
    }

    dialog.setDefaultSuffix(qStringFromGbk(settings_.defaultExtension));
    if (!settings_.initialDirectory.empty())
        dialog.setDirectory(qStringFromGbk(settings_.initialDirectory));
    if (!lastPath_.isEmpty())
        dialog.selectFile(lastPath_);
    else if (!settings_.fileName.empty())
        dialog.selectFile(qStringFromGbk(settings_.fileName));
}

std::optional<QString> SaveDialog::run(QWidget* parent) {
    QFileDialog dialog(parent);
    configure(dialog);
    std::optional<QString> chosen = SaveFileDialogs::run(dialog);
    if (chosen) {
        lastPath_ = *chosen;
        settings_.fileName = textFromQString(*chosen);
    }
    return chosen;
}

} // namespace cardgen
