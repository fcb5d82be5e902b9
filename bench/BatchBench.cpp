#include "core/BatchGenerator.h"
#include "core/ControlNames.h"
#include "core/SecureRandom.h"

#include <benchmark/benchmark.h>
#include <string>

namespace cardgen {
namespace {

// A window that answers with the shipped defaults and collects the list in memory.
class BufferPort final : public UiPort {
public:
    explicit BufferPort(std::string_view count) : count_(count) {}

    TextValue readText(std::string_view editBox) override {
        if (editBox == controls::sequenceBox) {
            return sequence_;
        }
        if (editBox == controls::faceValueCodeBox) {
            return face_;
        }
        if (editBox == controls::batchCodeBox) {
            return batch_;
        }
        if (editBox == controls::passwordLengthBox) {
            return length_;
        }
        if (editBox == controls::countBox) {
            return count_;
        }
        return {};
    }
    bool isChecked(std::string_view radioButton) override { return radioButton == controls::digitsRadio; }
    void setProgressRange(std::int32_t, std::int32_t) override {}
    void setProgressPosition(std::int32_t position) override { position_ = position; }
    void setOutputText(const TextValue& text) override { output_ = text.bytes(); }
    void appendOutput(std::string_view text) override { output_ += text; }
    bool pumpEvents() override { return true; }
    void showInfo(const TextValue&) override {}
    std::optional<std::filesystem::path> chooseSaveFile() override { return std::nullopt; }

    [[nodiscard]] const std::string& output() const noexcept { return output_; }

private:
    TextValue face_{"56M5F"};
    TextValue batch_{"A1B2C"};
    TextValue sequence_{"00001"};
    TextValue length_{"8"};
    TextValue count_;
    std::string output_;
    std::int32_t position_ = 0;
};

void runBatchOfAMillionLines(benchmark::State& state) {
    constexpr std::int64_t kLines = 1'000'000;
    SecureRandom random;
    BatchGenerator generator(random);
    BufferPort port(std::to_string(kLines));
    for (auto _ : state) {
        generator.runBatch(port);
        benchmark::DoNotOptimize(port.output().data());
    }
    // 27 bytes a line up to 99999; the sequence part grows by a digit after that.
    constexpr std::size_t kListBytes = 99'999 * 27 + 900'000 * 28 + 29;
    if (port.output().size() != kListBytes) {
        state.SkipWithError("unexpected list size");
    }
    state.SetItemsProcessed(state.iterations() * kLines);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(kListBytes));
}
BENCHMARK(runBatchOfAMillionLines)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace cardgen
