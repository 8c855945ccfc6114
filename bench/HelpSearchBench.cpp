// The full-text search of the help window on the built help file: one query, and the making
// of the index at the first search. Run by hand:
//   solvanex_bench_help_search --benchmark_repetitions=9 --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include <cstdlib>
#include <optional>

#include "ChmArchive.h"
#include "HelpSearch.h"

namespace {

using solvanex::help::ChmArchive;
using solvanex::help::HelpSearchIndex;

const ChmArchive& Archive() {
  static const auto archive = ChmArchive::Open(QStringLiteral(SOLVANEX_HELP_FILE));
  if (!archive) std::abort();
  return *archive;
}

const HelpSearchIndex& Index() {
  static const HelpSearchIndex index = HelpSearchIndex::Build(Archive());
  return index;
}

void BM_Query(benchmark::State& state, const char* query) {
  const HelpSearchIndex& index = Index();
  const QString text = QString::fromUtf8(query);
  for (auto _ : state) benchmark::DoNotOptimize(index.Find(text));
}
BENCHMARK_CAPTURE(BM_Query, one_word, "creatinine");
BENCHMARK_CAPTURE(BM_Query, two_words, "masse molaire");
BENCHMARK_CAPTURE(BM_Query, prefix, "c");
BENCHMARK_CAPTURE(BM_Query, nowhere, "zygomatique");

void BM_BuildIndex(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(HelpSearchIndex::Build(Archive()));
}
BENCHMARK(BM_BuildIndex)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  // The pages are read as the page pane reads them, which needs the fonts of a GUI
  // application; no window is shown.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
