#pragma once

#include "core/RandomGenerator.h"
#include "ui/DialogSeam.h"
#include "ui/MainWindow.h"
#include "ui/MessageBoxes.h"
#include "ui/SaveFileDialogs.h"

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <string_view>

namespace cardgen::testing {

// Draws 0, 1, 2, ... wrapped into each range: passwords that are easy to predict.
class CountingRandom : public RandomGenerator {
public:
    void reseedFromClock() override {}
    std::int32_t randomInRange(std::int32_t lo, std::int32_t hi) override {
        const std::int64_t span = std::int64_t{hi} - lo + 1;
        return static_cast<std::int32_t>(lo + static_cast<std::int64_t>(next_++) % span);
    }

private:
    std::uint32_t next_ = 0;
};

// A shown, active main window of its own for one test.
struct WindowUnderTest {
    CountingRandom random;
    std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>(random);

    WindowUnderTest() {
        window->show();
        window->activateWindow();
    }

    [[nodiscard]] bool active() { return QTest::qWaitForWindowActive(window.get()); }

    template <typename Widget = QWidget> [[nodiscard]] Widget* control(std::string_view name) const {
        return window->findChild<Widget*>(
            QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    }
};

// Every test starts with dialogs refused unless answered in advance...
inline void refuseUnansweredDialogs() {
    DialogSeam::setRefuseUnexpected(true);
    static_cast<void>(DialogSeam::takeUnexpected());
    static_cast<void>(MessageBoxes::takeAnsweredTexts());
    static_cast<void>(SaveFileDialogs::takeAnswered());
}

// ...and ends with none refused and no window left over.
#define CARDGEN_VERIFY_CLEAN_END()                                                                           \
    do {                                                                                                     \
        QCOMPARE(cardgen::DialogSeam::takeUnexpected(), QStringList());                                      \
        QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());                                              \
    } while (false)

} // namespace cardgen::testing
