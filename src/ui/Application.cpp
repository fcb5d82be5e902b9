#include "ui/Application.h"

#include "ui/MessageBoxes.h"
#include "ui/OutOfMemory.h"

#include <cstdio>
#include <cstdlib>

namespace cardgen {

namespace {

std::function<void(int)>& terminator() {
    static std::function<void(int)> function;
    return function;
}

} // namespace

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
}

Application::~Application() = default;

bool Application::notify(QObject* receiver, QEvent* event) {
    // Exceptions must not cross Qt's event delivery; this is the outermost frame
    // of every handler.
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::bad_alloc& error) {
        fatalOutOfMemory(error);
        return false;
    }
}

QString Application::outOfMemoryText(const std::bad_alloc& error) {
    if (const auto* known = dynamic_cast<const OutOfMemory*>(&error))
        return QStringLiteral("内存不足：无法分配 %1 字节。程序将退出。").arg(known->bytes());
    return QStringLiteral("内存不足，程序将退出。");
}

void Application::fatalOutOfMemory(const std::bad_alloc& error) {
    try {
        MessageBoxes::critical(outOfMemoryText(error));
    } catch (...) {
        // Not even the box could be made; end without it.
    }
    if (terminator()) {
        terminator()(kFatalExitCode);
        return;
    }
    // The state the failure left behind is not to be trusted, so nothing more
    // runs: no handler, no destructor. Nothing is saved and no file is open
    // between events.
    std::fflush(nullptr);
    std::_Exit(kFatalExitCode);
}

void Application::setTerminate(std::function<void(int)> terminate) {
    terminator() = std::move(terminate);
}

} // namespace cardgen
