// What sharing buys: copying and comparing 64-character strings, KStr against std::string.
#include <benchmark/benchmark.h>

#include <string>

#include "KStr.h"

namespace {

const std::string kText(64, 'k');

void KStrCopy(benchmark::State& state) {
    const KStr source(kText.c_str());
    for (auto _ : state) {
        KStr copy(source);
        benchmark::DoNotOptimize(copy);
    }
}

void StdStringCopy(benchmark::State& state) {
    const std::string source(kText);
    for (auto _ : state) {
        std::string copy(source);
        benchmark::DoNotOptimize(copy);
    }
}

// Two separate buffers with the same text, so neither side can answer from identity.
void KStrEqual(benchmark::State& state) {
    const KStr a(kText.c_str());
    const KStr b(kText.c_str());
    for (auto _ : state) {
        benchmark::DoNotOptimize(a == b);
    }
}

void StdStringEqual(benchmark::State& state) {
    const std::string a(kText);
    const std::string b(kText);
    for (auto _ : state) {
        benchmark::DoNotOptimize(a == b);
    }
}

BENCHMARK(KStrCopy);
BENCHMARK(StdStringCopy);
BENCHMARK(KStrEqual);
BENCHMARK(StdStringEqual);

}  // namespace

BENCHMARK_MAIN();
