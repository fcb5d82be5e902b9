#pragma once

#include <QApplication>
#include <functional>
#include <new>

namespace cardgen {

// The application object. Running out of memory anywhere in an event handler is
// fatal: the user is told in an error box and the program ends with exit code -1.
class Application : public QApplication {
    Q_OBJECT

public:
    static constexpr int kFatalExitCode = -1;

    Application(int& argc, char** argv);
    ~Application() override;

    bool notify(QObject* receiver, QEvent* event) override;

    // Tells the user, then ends the process with kFatalExitCode.
    static void fatalOutOfMemory(const std::bad_alloc& error);
    // The text of the out-of-memory box.
    [[nodiscard]] static QString outOfMemoryText(const std::bad_alloc& error);

    // How the process ends after a fatal stop; tests put a stand-in here.
    static void setTerminate(std::function<void(int)> terminate);
};

} // namespace cardgen
