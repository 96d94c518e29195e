#include "StoreComparison.h"

namespace {

std::string Shown(const StoredValue* value) {
    if (value == nullptr) {
        return "nothing";
    }
    std::string text = "type " + std::to_string(value->type) + ", " +
                       std::to_string(value->bytes.size()) + " bytes";
    if (value->type == REG_SZ) {
        std::wstring wide(reinterpret_cast<const wchar_t*>(value->bytes.data()),
                          value->bytes.size() / sizeof(wchar_t));
        std::wstring shown = wide.substr(0, wide.find(L'\0'));
        text += " \"" + (shown.empty() ? std::string() : Printable(shown)) + "\"";
    }
    return text;
}

void CheckKeys(const Snapshot& before, const Snapshot& after, std::vector<std::string>& out) {
    for (const auto& [key, values] : before) {
        if (after.count(key) == 0) {
            out.push_back("key gone: " + Printable(key));
        }
    }
    for (const auto& [key, values] : after) {
        if (before.count(key) == 0) {
            out.push_back("key added: " + Printable(key));
        }
    }
}

void CheckForeignValues(const Snapshot& before, const Snapshot& after, const OwnValues& own,
                        std::vector<std::string>& out) {
    for (const auto& [key, values] : before) {
        for (const auto& [name, was] : values) {
            ValuePath path{key, name};
            const StoredValue* is = FindValue(after, path);
            if (own.count(path) == 0 && (is == nullptr || !(*is == was))) {
                out.push_back("changed: " + Describe(path) + ": was " + Shown(&was) + ", is " +
                              Shown(is));
            }
        }
    }
    for (const auto& [key, values] : after) {
        for (const auto& [name, is] : values) {
            ValuePath path{key, name};
            if (own.count(path) == 0 && FindValue(before, path) == nullptr) {
                out.push_back("added: " + Describe(path) + ": " + Shown(&is));
            }
        }
    }
}

void CheckOwnValues(const Snapshot& after, const OwnValues& own, std::vector<std::string>& out) {
    for (const auto& [path, expected] : own) {
        const StoredValue* is = FindValue(after, path);
        if (is == nullptr || !(*is == expected)) {
            out.push_back("own value " + Describe(path) + ": expected " + Shown(&expected) +
                          ", is " + Shown(is));
        }
    }
}

}  // namespace

std::vector<std::string> Differences(const Snapshot& before, const Snapshot& after,
                                     const OwnValues& own) {
    std::vector<std::string> out;
    CheckKeys(before, after, out);
    CheckForeignValues(before, after, own, out);
    CheckOwnValues(after, own, out);
    return out;
}

const StoredValue* FindValue(const Snapshot& snapshot, const ValuePath& path) {
    auto key = snapshot.find(path.first);
    if (key == snapshot.end()) {
        return nullptr;
    }
    auto value = key->second.find(path.second);
    return value == key->second.end() ? nullptr : &value->second;
}

std::string Describe(const ValuePath& path) {
    return (path.first.empty() ? "(settings key)" : Printable(path.first)) + " : " +
           Printable(path.second);
}
