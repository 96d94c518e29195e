// Drives the registry form of the configuration tree for black-box checks with Wine's own `reg`:
//   CfgRegistryTool save <location>   stores a fixed tree (below) at location
//   CfgRegistryTool dump <location>   loads location into a new tree and prints its text form
// Exits 0 on success, 1 when the key can't be opened or created, 2 on bad arguments.
#include <cstdio>
#include <cstring>

#include "KCfgTree.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: CfgRegistryTool save|dump <location>\n");
        return 2;
    }
    KCfgTree tree;
    if (std::strcmp(argv[1], "save") == 0) {
        tree.ValueAt("Language") = "1";
        tree.ValueAt("Screen/Fullscreen") = "1";
        tree.ValueAt("Screen/Name") = "two words";
        tree.ValueAt("Performance/MaxFramerate") = "25";
        return tree.Save(argv[2]) ? 0 : 1;
    }
    if (std::strcmp(argv[1], "dump") == 0) {
        if (!tree.Load(argv[2])) {
            return 1;
        }
        tree.Dump();
        return 0;
    }
    return 2;
}
