#include "core/CardNumber.h"
#include "text/NumberConversions.h"

#include <benchmark/benchmark.h>
#include <cstdint>

namespace {

using cardgen::TextValue;

// One card number per iteration with the window's default texts, lines 1 to 100000 in turn.
void composeDefaultCardNumbers(benchmark::State& state) {
    const TextValue faceValueCode("56M5F");
    const TextValue batchCode("A1B2C");
    const TextValue sequenceText("00001");
    std::int32_t line = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(cardgen::composeCardNumber(faceValueCode, batchCode, sequenceText, line));
        line = line == 100000 ? 1 : line + 1;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(composeDefaultCardNumbers);

void formatDefaultSequence(benchmark::State& state) {
    const TextValue sequenceText("00001");
    std::int32_t line = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(cardgen::formatSequence(sequenceText, line));
        line = line == 100000 ? 1 : line + 1;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(formatDefaultSequence);

// The integer path that every sequence number and count takes.
void realToTextIntegers(benchmark::State& state) {
    double value = 1.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(cardgen::realToText(value));
        value = value >= 100000.0 ? 1.0 : value + 1.0;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(realToTextIntegers);

// The general path: fractions and scientific forms.
void realToTextFractions(benchmark::State& state) {
    const double values[] = {1.0 / 3.0, 123456.789, 1e-5, 12345678901234.0, 9999999999999.5, 1.5e300};
    std::size_t index = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(cardgen::realToText(values[index]));
        index = (index + 1) % std::size(values);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(realToTextFractions);

void toNumberDefaultSequence(benchmark::State& state) {
    const TextValue sequenceText("00001");
    for (auto _ : state)
        benchmark::DoNotOptimize(cardgen::toNumber(sequenceText));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(toNumberDefaultSequence);

} // namespace
