#include "core/LineStream.h"
#include "core/PasswordDrawer.h"
#include "core/SecureRandom.h"

#include <benchmark/benchmark.h>
#include <string>
#include <vector>

namespace {

using cardgen::PasswordMode;

// The command line's engine: default codes, 8-character passwords from the secure
// generator, lines streamed into one reused 1 MiB block. Items are lines.
void BM_LineStream(benchmark::State& state) {
    const auto mode = static_cast<PasswordMode>(state.range(0));
    cardgen::GenerationSettings settings;
    settings.faceValueCode = cardgen::TextValue("56M5F");
    settings.batchCode = cardgen::TextValue("A1B2C");
    settings.sequenceText = cardgen::TextValue("00001");
    settings.passwordMode = mode;
    settings.passwordLength = 8;
    settings.count = 2'000'000'000;
    cardgen::PasswordDrawer passwords(mode, cardgen::SecureRandom::keyedStreamSource());
    cardgen::LineStream stream(settings, passwords);
    std::vector<char> block(std::size_t{1} << 20);

    std::int64_t before = stream.linesMade();
    for (auto _ : state) {
        benchmark::DoNotOptimize(stream.fill(block.data(), block.size()));
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(stream.linesMade() - before);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * block.size()));
}
BENCHMARK(BM_LineStream)->ArgName("mode")->DenseRange(0, 5);

// The passwords alone, for comparison with appendPassword over SecureRandom.
void BM_PasswordDrawer(benchmark::State& state) {
    cardgen::PasswordDrawer passwords(static_cast<PasswordMode>(state.range(0)),
                                      cardgen::SecureRandom::keyedStreamSource());
    char password[8];
    for (auto _ : state) {
        passwords.draw(password, sizeof password);
        benchmark::DoNotOptimize(password);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PasswordDrawer)->ArgName("mode")->Arg(0)->Arg(3);

} // namespace
