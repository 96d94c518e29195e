// KCfgNode: one node of a configuration tree. A node has a name, a text value and an ordered list
// of children that it owns. Names compare byte-wise and case-sensitively; names need not be
// unique, and every lookup takes the first child of a name.
#pragma once

#include <cstdint>

#include "KStr.h"

class KCfgNode {
public:
    explicit KCfgNode(const KStr& name, const KStr& value = KStr());
    ~KCfgNode();  // destroys the children first
    KCfgNode(const KCfgNode&) = delete;
    KCfgNode& operator=(const KCfgNode&) = delete;

    const KStr& Name() const { return name_; }
    KStr& Value() { return value_; }
    const KStr& Value() const { return value_; }
    KCfgNode* Parent() const { return parent_; }

    int ChildCount() const { return childCount_; }
    // The child at index i, or null when i is out of range.
    KCfgNode* Child(int i) const;
    // Index of the first child at or after from whose name equals name, or -1.
    int FindChild(const KStr& name, int from = 0) const;
    int FindChild(const char* name, int from = 0) const;

    // The number held by child name; a missing child is created with the text of def.
    double GetFloat(const KStr& name, double def);
    // Sets child name (created at the end when missing) to the text of v and returns it; an
    // empty name sets this node's own value ("%f") and returns this node.
    KCfgNode* SetFloat(const KStr& name, double v);
    // Appends a new child name holding the text of v, also when a namesake exists.
    void AddFloat(const KStr& name, double v);
    // The value of child name; a missing child is created holding def.
    KStr GetText(const KStr& name, const KStr& def);
    // Sets the value of child name (created at the end when missing); an empty name sets this
    // node's own value.
    void SetText(const KStr& name, const KStr& v);

    // Attaching takes ownership of n. A node that hangs under another parent is taken out of
    // that list first. Attaching this node or one of its ancestors is refused (a tree can't own
    // itself): AddChild returns -1 and AppendChild does nothing.
    //
    // AddChild puts n into the slot of the first child of n's name and destroys the node that
    // held the slot; without a namesake n is appended. Returns the slot index.
    int AddChild(KCfgNode* n);
    // Appends n without looking for a namesake.
    void AppendChild(KCfgNode* n);

    // Sorts the whole subtree: children by name, namesakes by value, byte-wise.
    void Sort();

private:
    bool CanAdopt(const KCfgNode* n) const;
    void Adopt(KCfgNode* n);  // detaches n from its old parent and points it at this node
    void RemoveChildAt(int i);
    void SetChildCount(int count);
    KCfgNode* ChildNamed(const KStr& name);
    KCfgNode* AppendNew(const KStr& name);

    KCfgNode** children_ = nullptr;  // storage for a multiple of 64 pointers, or null
    int32_t childCount_ = 0;
    KStr name_;
    KStr value_;
    KCfgNode* parent_ = nullptr;
};

// The text under which a number is stored: "FLT_MIN" and "FLT_MAX" for the single-precision
// limits, "0" for zero, otherwise printf "%g" (six significant digits).
KStr CfgNumberText(double v);
// The number a stored text stands for: the two limit names, else the text's leading decimal
// number (0 when it holds none; no hexadecimal, infinity or NaN).
double CfgNumberValue(const KStr& text);
