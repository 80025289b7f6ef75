#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <utility>

#include "bench/GeneratedBase.h"
#include "model/BaseFiles.h"

namespace kelo::bench {
namespace {

// A generated base saved once per size and shared by every benchmark of it.
struct SavedBase {
  TemporaryFolder folder;
  std::filesystem::path gridFile;
  std::uintmax_t bytes = 0;
};

const SavedBase& BaseOfSize(int objects, int constructs) {
  static std::map<std::pair<int, int>, std::unique_ptr<SavedBase>> cache;
  auto& slot = cache[{objects, constructs}];
  if (!slot) {
    slot = std::make_unique<SavedBase>();
    slot->gridFile = slot->folder.path() / "vygenerovana.tab";
    if (auto status = SaveBase(GenerateBase(objects, constructs), slot->gridFile); !status) std::abort();
    slot->bytes = BaseFileBytes(slot->gridFile);
  }
  return *slot;
}

void ReportSize(benchmark::State& state, const SavedBase& saved) {
  state.counters["file_MB"] = static_cast<double>(saved.bytes) / 1e6;
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * saved.bytes));
}

void BM_LoadBase(benchmark::State& state) {
  const SavedBase& saved = BaseOfSize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  for (auto _ : state) {
    KnowledgeBase base;
    if (auto status = LoadBase(saved.gridFile, base); !status) state.SkipWithError(status.message().c_str());
    benchmark::DoNotOptimize(base);
  }
  ReportSize(state, saved);
}

void BM_SaveBase(benchmark::State& state) {
  const SavedBase& saved = BaseOfSize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  KnowledgeBase base;
  if (auto status = LoadBase(saved.gridFile, base); !status) state.SkipWithError(status.message().c_str());
  const auto target = saved.folder.path() / "ulozena.tab";
  for (auto _ : state) {
    if (auto status = SaveBase(base, target); !status) state.SkipWithError(status.message().c_str());
  }
  ReportSize(state, saved);
}

// objects × constructs: a small base for scale, and the large target case.
BENCHMARK(BM_LoadBase)->Args({1000, 30})->Args({10000, 300})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveBase)->Args({1000, 30})->Args({10000, 300})->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kelo::bench

BENCHMARK_MAIN();
