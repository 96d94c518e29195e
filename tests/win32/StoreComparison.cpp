#include "StoreComparison.h"

namespace {

const StoredValue kEmptyText = StoredSz("");

// The REG_SZ data of text up to its first zero, with one terminator.
StoredValue Terminated(const StoredValue& value) {
    std::wstring text(reinterpret_cast<const wchar_t*>(value.bytes.data()),
                      value.bytes.size() / sizeof(wchar_t));
    text = text.substr(0, text.find(L'\0'));
    text.push_back(L'\0');
    return StoredValue{REG_SZ, std::string(reinterpret_cast<const char*>(text.data()),
                                           text.size() * sizeof(wchar_t))};
}

bool Kept(const StoredValue& was, const StoredValue& is) {
    return is == was || (was.type == REG_SZ && is == Terminated(was));
}

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
            if (own.count(path) == 0 && (is == nullptr || !Kept(was, *is))) {
                out.push_back("changed: " + Describe(path) + ": was " + Shown(&was) + ", is " +
                              Shown(is));
            }
        }
    }
    for (const auto& [key, values] : after) {
        for (const auto& [name, is] : values) {
            ValuePath path{key, name};
            bool allowed = is == kEmptyText && name.empty();  // a key's default value
            if (own.count(path) == 0 && FindValue(before, path) == nullptr && !allowed) {
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
