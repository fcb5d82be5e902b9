#include "core/ClassicRandom.h"
#include "core/Password.h"
#include "core/SecureRandom.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

using cardgen::PasswordMode;

constexpr std::int32_t kLength = 8;

// Appends into one reused buffer, as the batch run does for its lines.
void appendPasswords(benchmark::State& state, cardgen::RandomGenerator& random, PasswordMode mode) {
    std::string out;
    out.reserve(64);
    for (auto _ : state) {
        out.clear();
        cardgen::appendPassword(out, mode, kLength, random);
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_SecurePassword(benchmark::State& state) {
    cardgen::SecureRandom random;
    appendPasswords(state, random, static_cast<PasswordMode>(state.range(0)));
}
BENCHMARK(BM_SecurePassword)->ArgName("mode")->DenseRange(0, 5);

// The operating system's generator without the keyed stream, for comparison.
void BM_SystemSourcePassword(benchmark::State& state) {
    cardgen::SecureRandom random(cardgen::SecureRandom::systemSource());
    appendPasswords(state, random, static_cast<PasswordMode>(state.range(0)));
}
BENCHMARK(BM_SystemSourcePassword)->ArgName("mode")->Arg(0)->Arg(3);

void BM_ClassicPassword(benchmark::State& state) {
    cardgen::ClassicRandom random;
    appendPasswords(state, random, static_cast<PasswordMode>(state.range(0)));
}
BENCHMARK(BM_ClassicPassword)->ArgName("mode")->Arg(0);

// makePassword returns a new text per call.
void BM_SecureMakePassword(benchmark::State& state) {
    cardgen::SecureRandom random;
    for (auto _ : state) {
        benchmark::DoNotOptimize(cardgen::makePassword(PasswordMode::Digits, kLength, random));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SecureMakePassword);

} // namespace
