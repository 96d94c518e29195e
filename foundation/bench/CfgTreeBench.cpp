// The text form and path lookups on a tree of 10,000 leaves in 100 subtrees.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "KCfgTree.h"

namespace {

// Root/Settings/Group00..Group99/Leaf00..Leaf99, each leaf holding a number.
void Fill(KCfgTree& tree) {
    KCfgNode* settings = tree.NodeAt("Settings");
    for (int g = 0; g < 100; ++g) {
        KCfgNode* group = settings->SetFloat(KStr("Group%02d", g), g);
        for (int l = 0; l < 100; ++l) {
            group->SetFloat(KStr("Leaf%02d", l), g * 100 + l);
        }
    }
}

std::string BenchFile() {
    return (std::filesystem::temp_directory_path() / "krumbel-cfg-bench.txt").string();
}

void CfgSaveText(benchmark::State& state) {
    KCfgTree tree;
    Fill(tree);
    const std::string path = BenchFile();
    for (auto _ : state) {
        if (!tree.Save(path.c_str())) {
            state.SkipWithError("save failed");
            break;
        }
    }
    std::remove(path.c_str());
}

void CfgLoadText(benchmark::State& state) {
    const std::string path = BenchFile();
    {
        KCfgTree tree;
        Fill(tree);
        tree.Save(path.c_str());
    }
    KCfgTree tree;
    for (auto _ : state) {
        if (!tree.Load(path.c_str())) {
            state.SkipWithError("load failed");
            break;
        }
    }
    std::remove(path.c_str());
}

// The last group and its last leaf: the longest walk through both child lists.
void CfgNodeAtThreeSegments(benchmark::State& state) {
    KCfgTree tree;
    Fill(tree);
    const KStr path("Settings/Group99/Leaf99");
    for (auto _ : state) {
        benchmark::DoNotOptimize(tree.NodeAt(path));
    }
}

}  // namespace

BENCHMARK(CfgSaveText)->Unit(benchmark::kMillisecond);
BENCHMARK(CfgLoadText)->Unit(benchmark::kMillisecond);
BENCHMARK(CfgNodeAtThreeSegments);
