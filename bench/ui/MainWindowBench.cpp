// The window's side of a batch: the whole default batch of 99,999 lines from the
// click to the closing message, and the per-line window operations alone.
#include "core/ControlNames.h"
#include "core/SecureRandom.h"
#include "ui/MainWindow.h"
#include "ui/MessageBoxes.h"
#include "ui/OutputBox.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

using cardgen::MainWindow;
namespace controls = cardgen::controls;

constexpr int kLines = 99999;
constexpr double kListBytes = 27.0 * kLines;

template <typename Widget> Widget* control(const MainWindow& window, std::string_view name) {
    return window.findChild<Widget*>(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
}

// The resident set in bytes, from /proc.
double residentBytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * 4096.0;
}

// A narrowed, shown window as the program starts it.
struct ShownWindow {
    cardgen::SecureRandom random;
    MainWindow window{random};

    explicit ShownWindow(bool narrowed = true) {
        if (narrowed)
            window.prepare(QRect(0, 0, 1024, 768));
        window.show();
        static_cast<void>(QTest::qWaitForWindowExposed(&window));
    }
};

// From the click on the generate button to the closing message, answered at once.
void BM_DefaultBatchOf99999(benchmark::State& state) {
    double growth = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto shown = std::make_unique<ShownWindow>();
        control<QLineEdit>(shown->window, controls::countBox)->setText(QString::number(kLines));
        auto* generate = control<QPushButton>(shown->window, controls::generateButton);
        cardgen::MessageBoxes::setNextAnswer(QMessageBox::Ok);
        const double before = residentBytes();
        state.ResumeTiming();

        QTest::mouseClick(generate, Qt::LeftButton);

        state.PauseTiming();
        growth = residentBytes() - before;
        if (shown->window.readText(controls::outputBox).size() != static_cast<std::size_t>(kListBytes))
            state.SkipWithError("the list is not complete");
        static_cast<void>(cardgen::MessageBoxes::takeAnsweredTexts());
        shown.reset();
        state.ResumeTiming();
    }
    state.counters["lines"] = kLines;
    state.counters["list_MB"] = kListBytes / 1e6;
    state.counters["rss_growth_x_list"] = growth / kListBytes;
}
BENCHMARK(BM_DefaultBatchOf99999)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_PumpEventsWithNothingWaiting(benchmark::State& state) {
    ShownWindow shown;
    for (auto _ : state)
        benchmark::DoNotOptimize(shown.window.pumpEvents());
}
BENCHMARK(BM_PumpEventsWithNothingWaiting);

// What a plain processEvents costs in place of pumpEvents, for comparison.
void BM_ProcessEventsWithNothingWaiting(benchmark::State& state) {
    ShownWindow shown;
    for (auto _ : state)
        QCoreApplication::processEvents();
}
BENCHMARK(BM_ProcessEventsWithNothingWaiting);

void BM_ReadTextOfACodeBox(benchmark::State& state) {
    ShownWindow shown;
    for (auto _ : state)
        benchmark::DoNotOptimize(shown.window.readText(controls::faceValueCodeBox));
}
BENCHMARK(BM_ReadTextOfACodeBox);

void BM_ProgressPositionPerLine(benchmark::State& state) {
    ShownWindow shown;
    shown.window.setProgressRange(0, 32767);
    int position = 0;
    for (auto _ : state) {
        shown.window.setProgressPosition(position);
        position = position == 32767 ? 0 : position + 1;
    }
}
BENCHMARK(BM_ProgressPositionPerLine);

// One line appended to the hidden output box of the narrowed window, and for
// comparison to a shown one that lays every line out; the box grows to
// state.range(0) lines, then starts over.
void appendLines(benchmark::State& state, bool narrowed) {
    ShownWindow shown(narrowed);
    const std::string line = "56M5FA1B2C00001  12345678\r\n";
    const auto limit = state.range(0);
    std::int64_t lines = 0;
    for (auto _ : state) {
        if (lines++ == limit) {
            state.PauseTiming();
            shown.window.setOutputText(cardgen::TextValue());
            lines = 1;
            state.ResumeTiming();
        }
        shown.window.appendOutput(line);
    }
}

void BM_AppendOutputHidden(benchmark::State& state) {
    appendLines(state, true);
}
BENCHMARK(BM_AppendOutputHidden)->Arg(kLines);

void BM_AppendOutputShown(benchmark::State& state) {
    appendLines(state, false);
}
BENCHMARK(BM_AppendOutputShown)->Arg(5000);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
