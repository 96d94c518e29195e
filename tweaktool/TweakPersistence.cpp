#include "TweakPersistence.h"

#include "IntConversion.h"
#include "KCfgNode.h"

void TakeParametersFrom(KCfgTree& tree, TweakParameterTable& table) {
    for (int32_t i = 0; i < table.Count(); ++i) {
        TweakParameter& p = *table.At(i);
        p.current = TruncateToInt32(tree.NodeAt(p.group)->GetFloat(p.name, p.defaultValue));
        p.loaded = p.current;
        p.marked = false;
    }
}

void PutParametersInto(KCfgTree& tree, const TweakParameterTable& table) {
    for (int32_t i = 0; i < table.Count(); ++i) {
        const TweakParameter& p = *table.At(i);
        if (p.marked) {
            tree.NodeAt(p.group)->SetFloat(p.name, p.current);
        }
    }
}

void ReadParameters(TweakParameterTable& table, const char* location) {
    KCfgTree tree;
    tree.Load(location);  // nothing stored yet: an empty tree, every value its default
    TakeParametersFrom(tree, table);
}

void WriteParameters(TweakParameterTable& table, const char* location) {
    {
        KCfgTree tree;
        tree.Load(location);  // the other settings below the root, written back with ours
        PutParametersInto(tree, table);
        tree.Save(location);  // a failed store shows as the old values in the read-back
    }
    ReadParameters(table, location);
}
