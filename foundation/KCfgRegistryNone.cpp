// Builds without a registry: every registry location reads as missing and can't be written.
#include "KCfgRegistry.h"

bool LoadRegistry(KCfgNode&, const char*) {
    return false;
}

bool SaveRegistry(const KCfgNode&, const char*) {
    return false;
}
