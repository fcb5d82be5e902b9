#include "core/SecureRandom.h"
#include "ui/Application.h"
#include "ui/FlatLook.h"
#include "ui/Icons.h"
#include "ui/MainWindow.h"
#include "ui/MessageBoxes.h"

#include <QDir>
#include <QScreen>
#include <csignal>
#include <new>
#include <optional>
#include <stdexcept>

int main(int argc, char** argv) {
    // Under a file-size limit a write then fails with EFBIG, which the export
    // reports, instead of the signal killing the program with the list.
    std::signal(SIGXFSZ, SIG_IGN);
    cardgen::Application app(argc, argv);
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    QApplication::setWindowIcon(cardgen::applicationIcon());
    cardgen::applyFlatLook(app);

    try {
        std::optional<cardgen::SecureRandom> random;
        try {
            random.emplace();
        } catch (const std::runtime_error& error) {
            cardgen::MessageBoxes::critical(QStringLiteral("无法启动随机数生成器，程序将退出。\n%1")
                                                .arg(QString::fromLocal8Bit(error.what())));
            return cardgen::Application::kFatalExitCode;
        }

        cardgen::MainWindow window(*random);
        QObject::connect(&window, &cardgen::MainWindow::exitRequested, &app,
                         [](int code) { QCoreApplication::exit(code); });
        window.prepare(QGuiApplication::primaryScreen()->geometry());
        window.show();
        return QApplication::exec();
    } catch (const std::bad_alloc& error) {
        cardgen::Application::fatalOutOfMemory(error);
        return cardgen::Application::kFatalExitCode;
    }
}
