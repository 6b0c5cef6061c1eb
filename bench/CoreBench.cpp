// Start-up work of the core on the shipped catalogs: loading the three
// files, building the selection lists, and a reset with its computations.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "catalog/CatalogLoader.h"
#include "catalog/SelectionLists.h"
#include "model/Rules.h"
#include "model/TWrestler.h"

namespace {

const std::filesystem::path kData = MONTEGURA_DATA_DIR;

void BM_LoadCatalogs(benchmark::State& state) {
  for (auto _ : state) {
    TCatalogs catalogs;
    auto r = LoadCatalogs(kData, catalogs);
    if (!r.ok) state.SkipWithError(r.error.c_str());
    benchmark::DoNotOptimize(catalogs.Techniques.RowCount());
  }
}
BENCHMARK(BM_LoadCatalogs)->Unit(benchmark::kMicrosecond);

void BM_SelectionLists(benchmark::State& state) {
  TCatalogs catalogs;
  LoadCatalogs(kData, catalogs);
  for (auto _ : state) {
    auto traits = BuildTraitList(catalogs.Traits);
    auto skills = BuildSkillList(catalogs.Skills);
    benchmark::DoNotOptimize(traits.Count() + skills.Count());
  }
}
BENCHMARK(BM_SelectionLists)->Unit(benchmark::kMicrosecond);

// A full sheet: 30 traits, 30 skills and 30 techniques per category, then
// the derived values that every attribute click recomputes.
void BM_DerivedValuesFullSheet(benchmark::State& state) {
  TWrestler w;
  w.Reset();
  for (int i = 0; i < 30; ++i) {
    w.GeneralTraits.Append({"trait" + std::to_string(i), "1", "5"});
    w.GeneralSkills.Append({"skill" + std::to_string(i), "12", "1.0"});
  }
  w.GeneralSkills.Append({rulenames::Running(), "12", "2.0"});
  w.GeneralTraits.Append({rulenames::Toughness(), "2", "25"});
  for (int i = 0; i < 12; ++i) w.WrestlingSkillLevel[i] = 14;
  for (auto _ : state) {
    ComputeAttributeCosts(w);
    benchmark::DoNotOptimize(ComputeSpeedAndMove(w));
    ComputeActiveDefences(w);
    benchmark::DoNotOptimize(ComputeDamageResistance(w));
  }
}
BENCHMARK(BM_DerivedValuesFullSheet);

}  // namespace

BENCHMARK_MAIN();
