#include "KCfgNode.h"

#include <cctype>
#include <cfloat>
#include <cstdlib>
#include <string>

namespace {

// The children array grows and shrinks in blocks of this many pointers.
constexpr int64_t kChildBlock = 64;

int64_t RoundedToBlock(int64_t count) {
    return (count + kChildBlock - 1) / kChildBlock * kChildBlock;
}

const double kFloatMin = static_cast<double>(FLT_MIN);  // 1.1754943508222875e-38
const double kFloatMax = static_cast<double>(FLT_MAX);  // 3.4028234663852886e+38

bool SortsAfter(const KCfgNode* a, const KCfgNode* b) {
    if (a->Name() == b->Name()) {
        return a->Value() > b->Value();
    }
    return a->Name() > b->Name();
}

// The longest leading decimal number of text, read as Windows' C runtime reads a number: white
// space, a sign, digits with at most one point, an exponent; 0 when there is none. Other
// runtimes' atof also takes hexadecimal numbers, "inf" and "nan"; those stop after their "0" or
// hold no number here, so a stored text means the same number on every build.
double LeadingDecimal(const char* text) {
    const char* p = text;
    while (std::isspace(static_cast<unsigned char>(*p))) {
        ++p;
    }
    const char* start = p;
    p += *p == '+' || *p == '-';
    int digits = 0;
    for (; std::isdigit(static_cast<unsigned char>(*p)); ++p) {
        ++digits;
    }
    if (*p == '.') {
        for (++p; std::isdigit(static_cast<unsigned char>(*p)); ++p) {
            ++digits;
        }
    }
    if (digits == 0) {
        return 0;
    }
    if (*p == 'e' || *p == 'E') {
        const char* exponent = p + 1;
        exponent += *exponent == '+' || *exponent == '-';
        if (std::isdigit(static_cast<unsigned char>(*exponent))) {
            p = exponent;
            while (std::isdigit(static_cast<unsigned char>(*p))) {
                ++p;
            }
        }
    }
    return std::strtod(std::string(start, p).c_str(), nullptr);
}

}  // namespace

KStr CfgNumberText(double v) {
    if (v == kFloatMin) {
        return KStr("FLT_MIN");
    }
    if (v == kFloatMax) {
        return KStr("FLT_MAX");
    }
    if (v == 0) {
        return KStr("0");  // also for -0, which would print as "-0"
    }
    return KStr("%g", v);
}

double CfgNumberValue(const KStr& text) {
    if (text == "FLT_MIN") {
        return kFloatMin;
    }
    if (text == "FLT_MAX") {
        return kFloatMax;
    }
    return LeadingDecimal(text.Text());
}

KCfgNode::KCfgNode(const KStr& name, const KStr& value) : name_(name), value_(value) {}

KCfgNode::~KCfgNode() {
    for (int i = 0; i < childCount_; ++i) {
        delete children_[i];
    }
    free(children_);
}

KCfgNode* KCfgNode::Child(int i) const {
    return i >= 0 && i < childCount_ ? children_[i] : nullptr;
}

// The first of count children at or after from whose name equals name; -1 when none does.
template <typename Name>
static int FirstNamed(KCfgNode* const* children, int count, const Name& name, int from) {
    for (int i = from < 0 ? 0 : from; i < count; ++i) {
        if (children[i]->Name() == name) {
            return i;
        }
    }
    return -1;
}

int KCfgNode::FindChild(const KStr& name, int from) const {
    return FirstNamed(children_, childCount_, name, from);
}

int KCfgNode::FindChild(const char* name, int from) const {
    return FirstNamed(children_, childCount_, name, from);
}

double KCfgNode::GetFloat(const KStr& name, double def) {
    int i = FindChild(name);
    if (i >= 0) {
        return CfgNumberValue(children_[i]->value_);
    }
    SetFloat(name, def);
    return def;
}

KCfgNode* KCfgNode::SetFloat(const KStr& name, double v) {
    if (name.Length() == 0) {
        value_ = KStr("%f", v);
        return this;
    }
    KCfgNode* child = ChildNamed(name);
    child->value_ = CfgNumberText(v);
    return child;
}

void KCfgNode::AddFloat(const KStr& name, double v) {
    AppendNew(name)->value_ = CfgNumberText(v);
}

KStr KCfgNode::GetText(const KStr& name, const KStr& def) {
    int i = FindChild(name);
    if (i >= 0) {
        return children_[i]->value_;
    }
    AppendNew(name)->value_ = def;
    return def;
}

void KCfgNode::SetText(const KStr& name, const KStr& v) {
    if (name.Length() == 0) {
        value_ = v;
        return;
    }
    ChildNamed(name)->value_ = v;
}

int KCfgNode::AddChild(KCfgNode* n) {
    if (!CanAdopt(n)) {
        return -1;
    }
    if (n->parent_ == this) {
        int first = FindChild(n->name_);
        if (children_[first] == n) {
            return first;  // already in its own slot: nothing to displace
        }
    }
    Adopt(n);
    int slot = FindChild(n->name_);
    if (slot < 0) {
        SetChildCount(childCount_ + 1);
        children_[childCount_ - 1] = n;
        return childCount_ - 1;
    }
    // The displaced node was owned by this list and nobody else can reach it any more.
    KCfgNode* displaced = children_[slot];
    children_[slot] = n;
    delete displaced;
    return slot;
}

void KCfgNode::AppendChild(KCfgNode* n) {
    if (!CanAdopt(n)) {
        return;
    }
    Adopt(n);
    SetChildCount(childCount_ + 1);
    children_[childCount_ - 1] = n;
}

void KCfgNode::Sort() {
    for (int i = 0; i < childCount_; ++i) {
        children_[i]->Sort();
    }
    bool swapped = true;
    while (swapped) {
        swapped = false;
        for (int i = 0; i + 1 < childCount_; ++i) {
            if (SortsAfter(children_[i], children_[i + 1])) {
                KCfgNode* t = children_[i];
                children_[i] = children_[i + 1];
                children_[i + 1] = t;
                swapped = true;
            }
        }
    }
}

bool KCfgNode::CanAdopt(const KCfgNode* n) const {
    if (n == nullptr) {
        return false;
    }
    for (const KCfgNode* up = this; up != nullptr; up = up->parent_) {
        if (up == n) {
            return false;
        }
    }
    return true;
}

void KCfgNode::Adopt(KCfgNode* n) {
    if (KCfgNode* old = n->parent_) {
        for (int i = 0; i < old->childCount_; ++i) {
            if (old->children_[i] == n) {
                old->RemoveChildAt(i);
                break;
            }
        }
    }
    n->parent_ = this;
}

void KCfgNode::RemoveChildAt(int i) {
    for (int k = i; k + 1 < childCount_; ++k) {
        children_[k] = children_[k + 1];
    }
    SetChildCount(childCount_ - 1);
}

// Storage is resized only when the count crosses a block boundary; a count of 0 frees it.
void KCfgNode::SetChildCount(int count) {
    int64_t wanted = RoundedToBlock(count);
    if (wanted != RoundedToBlock(childCount_)) {
        if (wanted == 0) {
            free(children_);
            children_ = nullptr;
        } else {
            void* grown = realloc(children_, static_cast<size_t>(wanted) * sizeof(KCfgNode*));
            if (grown == nullptr) {
                abort();  // out of memory: nothing sensible is left to do
            }
            children_ = static_cast<KCfgNode**>(grown);
        }
    }
    childCount_ = count;
}

KCfgNode* KCfgNode::ChildNamed(const KStr& name) {
    int i = FindChild(name);
    return i >= 0 ? children_[i] : AppendNew(name);
}

KCfgNode* KCfgNode::AppendNew(const KStr& name) {
    KCfgNode* n = new KCfgNode(name);
    AppendChild(n);
    return n;
}
