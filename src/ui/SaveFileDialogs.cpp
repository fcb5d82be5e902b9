#include "ui/SaveFileDialogs.h"

#include "ui/DialogSeam.h"

#include <QFileDialog>
#include <deque>

namespace cardgen {

namespace {

std::deque<std::optional<QString>>& answers() {
    static std::deque<std::optional<QString>> queue;
    return queue;
}

std::vector<SaveFileDialogs::Shown>& answered() {
    static std::vector<SaveFileDialogs::Shown> list;
    return list;
}

} // namespace

void SaveFileDialogs::setNextFileName(std::optional<QString> path) {
    answers().push_back(std::move(path));
}

std::vector<SaveFileDialogs::Shown> SaveFileDialogs::takeAnswered() {
    std::vector<Shown> taken;
    taken.swap(answered());
    return taken;
}

std::optional<QString> SaveFileDialogs::run(QFileDialog& dialog) {
    if (!answers().empty()) {
        answered().push_back({dialog.windowTitle(), dialog.nameFilters(), dialog.selectedNameFilter(),
                              dialog.defaultSuffix(), dialog.selectedFiles(),
                              !dialog.testOption(QFileDialog::DontConfirmOverwrite)});
        std::optional<QString> answer = std::move(answers().front());
        answers().pop_front();
        return answer;
    }
    if (DialogSeam::refusesUnexpected()) {
        DialogSeam::recordUnexpected(dialog.windowTitle());
        return std::nullopt;
    }
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty() || files.front().isEmpty())
        return std::nullopt;
    return files.front();
}

} // namespace cardgen
