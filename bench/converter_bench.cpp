// Converts a large batch of forms in memory and reports forms/s and MB/s.
//   converter_bench [benchmark flags]          run the benchmark
//   converter_bench --write-batch DIR          write the batch's form files to DIR
#include <benchmark/benchmark.h>

#include <cstring>
#include <fstream>
#include <iostream>

#include "bench/form_batch.h"
#include "converter/core/converter.h"

namespace {

const std::vector<bench::BatchForm>& Batch() {
  static const auto batch = bench::BuildBatch({BENCH_EXAMPLES_DIR, BENCH_CORPUS_DIR}, 8, 1000);
  return batch;
}

converter::LocalDateTime FixedTime() { return {2026, 12, 7, 12, 0, 0}; }

void BM_ConvertBatch(benchmark::State& state) {
  const auto& batch = Batch();
  const auto edition = static_cast<converter::Edition>(state.range(0));
  for (auto _ : state) {
    converter::Converter run(edition, FixedTime);
    for (const auto& form : batch) {
      converter::StringSink out;
      run.ConvertForm(form.text, form.name, out);
      benchmark::DoNotOptimize(out.bytes().data());
    }
  }
  const auto iterations = static_cast<double>(state.iterations());
  state.counters["forms/s"] =
      benchmark::Counter(iterations * static_cast<double>(batch.size()), benchmark::Counter::kIsRate);
  state.counters["MB/s"] =
      benchmark::Counter(iterations * static_cast<double>(bench::TotalBytes(batch)) / 1e6, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ConvertBatch)
    ->Arg(static_cast<int>(converter::Edition::Formwright))
    ->Arg(static_cast<int>(converter::Edition::Tinwright))
    ->Unit(benchmark::kMillisecond);

int WriteBatch(const std::filesystem::path& folder) {
  std::filesystem::create_directories(folder);
  for (const auto& form : Batch()) {
    std::ofstream(folder / form.name, std::ios::binary) << form.text;
  }
  std::cout << Batch().size() << " forms, " << bench::TotalBytes(Batch()) << " bytes in " << folder.string() << "\n";
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--write-batch") == 0) return WriteBatch(argv[2]);
  std::cout << "batch: " << Batch().size() << " forms, " << static_cast<double>(bench::TotalBytes(Batch())) / 1e6
            << " MB\n";
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
