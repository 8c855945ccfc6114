// Benchmarks of the core: number formatting and parsing, and keys through a calculator.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "calculator/KeySession.h"
#include "calculator/NumberText.h"
#include "clinical/Keypad.h"

namespace {

std::vector<double> SampleValues() {
  std::mt19937_64 random(42);
  std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
  std::uniform_int_distribution<int> exponent(-30, 30);
  std::vector<double> values(1024);
  for (double& v : values) v = mantissa(random) * std::pow(10.0, exponent(random));
  return values;
}

void BM_FormatResult(benchmark::State& state) {
  const auto values = SampleValues();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(solvanex::FormatResult(values[i++ % values.size()], ','));
  }
}
BENCHMARK(BM_FormatResult);

void BM_ParseNumber(benchmark::State& state) {
  std::vector<std::string> texts;
  for (const double v : SampleValues()) texts.push_back(solvanex::FormatResult(v, ','));
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(solvanex::ParseNumber(texts[i++ % texts.size()], ','));
  }
}
BENCHMARK(BM_ParseNumber);

// 10,000 keys of a fixed pseudo-random sequence over the whole keypad.
void BM_TenThousandKeys(benchmark::State& state) {
  const auto& keys = solvanex::Keypad();
  std::mt19937 random(7);
  std::uniform_int_distribution<std::size_t> pick(0, keys.size() - 1);
  std::vector<std::string> sequence;
  for (int i = 0; i < 10000; ++i) sequence.emplace_back(keys[pick(random)].name);
  for (auto _ : state) {
    solvanex::KeySession session(',', keys, solvanex::ClinicalFormulas());
    for (const auto& key : sequence) session.Perform(key);
    benchmark::DoNotOptimize(session.View().display);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(sequence.size()));
}
BENCHMARK(BM_TenThousandKeys)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
