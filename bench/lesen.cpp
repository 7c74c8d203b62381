// Reading time of the INI reader and the stored permission string on
// 200 000 entries: both must grow linearly with their input.
#include <benchmark/benchmark.h>

#include <map>
#include <string>

#include "datalib/format.h"
#include "datalib/ini.h"
#include "fixture.h"
#include "permissions/spalttypen_zulaessig.h"

namespace {
constexpr int kEintraege = 200000;

void iniSchluessel(benchmark::State& state) {
    std::string text = "[a]\n";
    for (int i = 0; i < kEintraege; ++i)
        text += "k" + std::to_string(i) + "=" + std::to_string(i) + "\n";
    for (auto _ : state) {
        CIniEx i;
        i.OpenFromText(text);
        benchmark::DoNotOptimize(i.GetValue("a", "k4711", ""));
    }
}

void iniAbschnitte(benchmark::State& state) {
    std::string text;
    for (int i = 0; i < kEintraege; ++i)
        text += "[s" + std::to_string(i) + "]\nk=" + std::to_string(i) + "\n";
    for (auto _ : state) {
        CIniEx i;
        i.OpenFromText(text);
        benchmark::DoNotOptimize(i.GetValue("s4711", "k", ""));
    }
}

void zulaessigLesen(benchmark::State& state) {
    const Data data = testdaten::baueDaten();
    const std::map<int, int> typen{{0, 10}, {1, 20}, {2, 30}}, materialien{{0, 1}, {1, 2}};
    std::string text;
    for (int i = 0; i < kEintraege; ++i) text += kal::formatiere("%i:%i:1:%i,", i, i, i % 9);
    for (auto _ : state) {
        CSpalttypenZulaessig tab{data, typen, materialien};
        tab.abweichungenAnwenden(text);
        benchmark::DoNotOptimize(tab.anzahlEintraege());
    }
}
}  // namespace

BENCHMARK(iniSchluessel)->Unit(benchmark::kMillisecond);
BENCHMARK(iniAbschnitte)->Unit(benchmark::kMillisecond);
BENCHMARK(zulaessigLesen)->Unit(benchmark::kMillisecond);
