// SPDX-License-Identifier: MIT
// The cost of a digit key and of a completed add, with the tape already
// holding 0, 1,000 or 100,000 operations. The view does nothing, so only the
// calculator is measured.
#include "Form1Model.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>

namespace {

class NullView final : public marbolin::Form1View {
public:
    void showDisplay(const std::string& text) override { benchmark::DoNotOptimize(text.data()); }
    void showTape(const std::string& text) override { benchmark::DoNotOptimize(text.data()); }
    void scrollTapeToEnd() override {}
    void beep() override {}
    void messageBox(const std::string&, Icon, const std::string&) override {}
    void announce(const std::string& text) override { benchmark::DoNotOptimize(text.data()); }
};

void fill(marbolin::Form1Model& model, std::int64_t operations)
{
    model.CommandClearAll_Click();
    for (std::int64_t i = 0; i < operations; ++i) {
        model.Form_KeyPress(u'7');
        model.Form_KeyPress(i % 2 == 0 ? u'+' : u'-');
    }
}

void BM_CompletedAdd(benchmark::State& state)
{
    NullView view;
    marbolin::Form1Model model{view};
    model.Form_Load();
    const std::int64_t onTape = state.range(0);
    // Refill now and then so the tape stays near its size: the tape grows by
    // one operation per iteration.
    const std::int64_t batch = std::max<std::int64_t>(1000, onTape / 10);
    fill(model, onTape);
    std::int64_t done = 0;
    for (auto _ : state) {
        model.Form_KeyPress(u'+');
        if (++done == batch) {
            state.PauseTiming();
            fill(model, onTape);
            done = 0;
            state.ResumeTiming();
        }
    }
    state.counters["tape_bytes"] = static_cast<double>(model.tapeText().size());
}

void BM_DigitKey(benchmark::State& state)
{
    NullView view;
    marbolin::Form1Model model{view};
    model.Form_Load();
    fill(model, state.range(0));
    for (auto _ : state) {
        // Six digits fill the entry; clear it so the next six are accepted.
        for (char16_t digit = u'1'; digit <= u'6'; ++digit) {
            model.Form_KeyPress(digit);
        }
        model.CommandClear_Click();
    }
    state.SetItemsProcessed(state.iterations() * 6);
}

}  // namespace

BENCHMARK(BM_CompletedAdd)
    ->Arg(0)
    ->Arg(1000)
    ->Arg(100000)
    ->MinTime(0.2)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_DigitKey)
    ->Arg(0)
    ->Arg(1000)
    ->Arg(100000)
    ->MinTime(0.2)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
