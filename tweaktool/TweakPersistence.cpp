#include "TweakPersistence.h"

#include "IntConversion.h"
#include "KCfgNode.h"

void TakeParametersFrom(KCfgTree& tree, TweakParameterTable& table) {
    for (int32_t i = 0; i < table.Count(); ++i) {
        TweakParameter& p = *table.At(i);
        KCfgNode* group = tree.NodeAt(p.group);
        p.stored = group->FindChild(p.name) >= 0;
        p.current = TruncateToInt32(group->GetFloat(p.name, 0));
        p.loaded = p.current;
    }
}

void PutParametersInto(KCfgTree& tree, const TweakParameterTable& table) {
    for (int32_t i = 0; i < table.Count(); ++i) {
        const TweakParameter& p = *table.At(i);
        if (p.stored || p.current != p.loaded) {
            tree.NodeAt(p.group)->SetFloat(p.name, p.current);
        }
    }
}

void ReadParameters(TweakParameterTable& table, const char* location) {
    KCfgTree tree;
    tree.Load(location);  // nothing stored yet: an empty tree, every value 0
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
