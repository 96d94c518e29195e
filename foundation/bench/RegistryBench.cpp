// The registry form of the tree on a fixed workload of 1,000 REG_SZ values in 10 subkeys, for
// bench/registry-bench.sh, which runs it beside Wine's `reg import` and `reg export`.
//   RegistryBench reg <file> <location>   writes the same values as a .reg file for `reg import`
//   RegistryBench save <location>     stores the values with the tree's Save
//   RegistryBench load <location>     reads them back with Load into a new tree
//   RegistryBench noop                does nothing: the start-up cost of a process
// save and load print the milliseconds spent inside Save or Load; load fails (exit 1) unless it
// found every value.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "KCfgTree.h"

namespace {

constexpr int kSubkeys = 10;
constexpr int kValuesPerSubkey = 100;

KStr SubkeyName(int s) {
    return KStr("Group%d", s);
}
KStr ValueName(int v) {
    return KStr("Setting%03d", v);
}
KStr ValueText(int s, int v) {
    return KStr("%d", s * 7919 + v * 104729);
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

// "HKCU:Software/X" as the .reg file names it: "HKEY_CURRENT_USER\Software\X".
KStr RegFileKey(const char* location) {
    KStr key = KStr("HKEY_CURRENT_USER\\") + (location + 5);
    key.Replace("/", "\\");
    return key;
}

int WriteRegFile(const char* path, const char* location) {
    FILE* f = std::fopen(path, "w");
    if (f == nullptr) {
        return 1;
    }
    std::fprintf(f, "REGEDIT4\n\n");
    for (int s = 0; s < kSubkeys; ++s) {
        std::fprintf(f, "[%s\\%s]\n", RegFileKey(location).Text(), SubkeyName(s).Text());
        for (int v = 0; v < kValuesPerSubkey; ++v) {
            std::fprintf(f, "\"%s\"=\"%s\"\n", ValueName(v).Text(), ValueText(s, v).Text());
        }
        std::fprintf(f, "\n");
    }
    return std::fclose(f) == 0 ? 0 : 1;
}

int Save(const char* location) {
    KCfgTree tree;
    for (int s = 0; s < kSubkeys; ++s) {
        KCfgNode* group = tree.NodeAt(SubkeyName(s));
        for (int v = 0; v < kValuesPerSubkey; ++v) {
            group->SetText(ValueName(v), ValueText(s, v));
        }
    }
    LARGE_INTEGER from, to;
    QueryPerformanceCounter(&from);
    bool saved = tree.Save(location);
    QueryPerformanceCounter(&to);
    std::printf("%.3f\n", Milliseconds(from, to));
    return saved ? 0 : 1;
}

int Load(const char* location) {
    KCfgTree tree;
    LARGE_INTEGER from, to;
    QueryPerformanceCounter(&from);
    bool loaded = tree.Load(location);
    QueryPerformanceCounter(&to);
    std::printf("%.3f\n", Milliseconds(from, to));
    int values = 0;
    for (int s = 0; s < tree.Root()->ChildCount(); ++s) {
        values += tree.Root()->Child(s)->ChildCount();
    }
    return loaded && values == kSubkeys * kValuesPerSubkey ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "noop") == 0) {
        return 0;
    }
    if (argc == 4 && std::strcmp(argv[1], "reg") == 0) {
        return WriteRegFile(argv[2], argv[3]);
    }
    if (argc != 3) {
        std::fprintf(stderr, "usage: RegistryBench reg <file> <location> | save|load <location>\n");
        return 2;
    }
    if (std::strcmp(argv[1], "save") == 0) {
        return Save(argv[2]);
    }
    if (std::strcmp(argv[1], "load") == 0) {
        return Load(argv[2]);
    }
    return 2;
}
