// Running out of memory in an event handler: an error box, then exit code -1.
#include "ui/Application.h"

#include "UiTestSupport.h"
#include "ui/OutOfMemory.h"

#include <QEvent>
#include <new>
#include <optional>

using namespace cardgen;

namespace {

// Throws from its event handler, as a handler that cannot allocate would.
class Failing : public QObject {
public:
    explicit Failing(std::optional<std::size_t> bytes) : bytes_(bytes) {}

    bool event(QEvent* event) override {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        if (bytes_)
            throw OutOfMemory(*bytes_);
        throw std::bad_alloc();
    }

private:
    std::optional<std::size_t> bytes_;
};

} // namespace

class ApplicationTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        testing::refuseUnansweredDialogs();
        exitCodes_.clear();
        Application::setTerminate([this](int code) { exitCodes_.append(code); });
    }
    void cleanup() {
        Application::setTerminate({});
        CARDGEN_VERIFY_CLEAN_END();
    }

    void outOfMemory_data();
    void outOfMemory();
    void postedEventThatRunsOutOfMemory();

private:
    QList<int> exitCodes_;
};

void ApplicationTest::outOfMemory_data() {
    // A negative size stands for a plain std::bad_alloc.
    QTest::addColumn<qlonglong>("bytes");
    QTest::addColumn<QString>("message");
    QTest::addRow("size unknown") << qlonglong{-1} << "内存不足，程序将退出。";
    QTest::addRow("size known") << qlonglong{123456789} << "内存不足：无法分配 123456789 字节。程序将退出。";
}

void ApplicationTest::outOfMemory() {
    QFETCH(qlonglong, bytes);
    QFETCH(QString, message);
    Failing failing(bytes < 0 ? std::nullopt : std::optional<std::size_t>(static_cast<std::size_t>(bytes)));
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    QEvent event(QEvent::User);
    QVERIFY(!QApplication::sendEvent(&failing, &event));
    QCOMPARE(MessageBoxes::takeAnsweredTexts(), QStringList{message});
    QCOMPARE(exitCodes_, QList<int>{-1});
}

void ApplicationTest::postedEventThatRunsOutOfMemory() {
    Failing failing(std::nullopt);
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    QCoreApplication::postEvent(&failing, new QEvent(QEvent::User));
    QTRY_COMPARE(exitCodes_, QList<int>{-1});
    QCOMPARE(MessageBoxes::takeAnsweredTexts().size(), 1);
}

int main(int argc, char** argv) {
    Application application(argc, argv);
    ApplicationTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ApplicationTest.moc"
