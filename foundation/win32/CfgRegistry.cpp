// The configuration tree in the registry: the root is the key named by the location, a node
// with children is a subkey (its value the subkey's default value), a node without children is a
// REG_SZ value of its parent's key.
//
// Saving writes keys and values in place and deletes nothing, so whatever the tree does not hold
// (values of other types, names or data beyond the 255-character buffers) survives, and a
// process that dies during a save loses no subkey.
#include <cstring>

#include "KCfgLimits.h"
#include "KCfgNode.h"
#include "KCfgRegistry.h"
#include "KRegLocation.h"
#include "RegKey.h"

namespace {

// Names and data pass through buffers of this size: at most 255 characters and a terminator.
constexpr DWORD kBufferSize = 256;

HKEY RootKey(KRegRoot root) {
    return root == KRegRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

// Turns size bytes of REG_SZ data in buffer (kBufferSize bytes) into a terminated text, whether
// or not the data brought its own terminator. False for data of kBufferSize bytes without one:
// such a text holds more than 255 characters and does not fit.
bool TerminateText(char* buffer, DWORD size) {
    if (size < kBufferSize) {
        buffer[size] = '\0';
        return true;
    }
    return std::memchr(buffer, '\0', kBufferSize) != nullptr;
}

enum class Stored {
    Nothing,  // no such value
    Text,     // REG_SZ data that fits the buffer: what loading reads
    Unread,   // data that loading leaves out: another type, or too long
};

// Reads value name of key (null: the default value) into text when it is Stored::Text; *size
// becomes the size of the data, terminator included when the data brought one.
Stored QueryText(const RegKey& key, const char* name, char* text, DWORD* size) {
    DWORD type = REG_NONE;
    *size = kBufferSize;
    LONG status = key.QueryValue(name, &type, reinterpret_cast<BYTE*>(text), size);
    if (status == ERROR_FILE_NOT_FOUND) {
        return Stored::Nothing;
    }
    if (status == ERROR_SUCCESS && type == REG_SZ && TerminateText(text, *size)) {
        return Stored::Text;
    }
    return Stored::Unread;
}

// Writes text as REG_SZ value name (null: the default value), unless the value holds exactly
// that already. The A functions read text with characters outside the code page as a changed
// text ("?" or a similar letter); writing that back would replace the original, so what reads
// the same is left alone. An empty text stands for "nothing loaded" when the registry holds data
// that loading leaves out, so it does not replace that either.
void WriteText(RegKey& key, const char* name, const KStr& text) {
    char stored[kBufferSize];
    DWORD size = 0;
    Stored found = QueryText(key, name, stored, &size);
    bool same = found == Stored::Text && size == static_cast<DWORD>(text.Length()) + 1 &&
                std::memcmp(stored, text.Text(), size) == 0;
    if (same || (text.Length() == 0 && found == Stored::Unread)) {
        return;
    }
    key.SetText(name, text.Text());
}

void ReadKey(const RegKey& key, KCfgNode& node, int depth);

// Subkey name of key as a new node, read recursively when the subkey opens. Null when no subkey
// answers to the name: a name with characters outside the code page comes back from the A
// functions changed, and a node of the changed name would be stored as a new value.
KCfgNode* ReadSubkey(const RegKey& key, const char* name, int depth) {
    RegKey subkey;
    LONG status = subkey.Open(key.Handle(), name);
    if (status == ERROR_FILE_NOT_FOUND) {
        return nullptr;
    }
    auto* node = new KCfgNode(KStr(name));
    if (status == ERROR_SUCCESS) {
        ReadKey(subkey, *node, depth);
    }
    return node;
}

// Subkeys of key at level depth below the location. Windows keeps keys within 512 levels, other
// registries (Wine's) don't: subkeys deeper than the file forms' limit are left out, so that no
// registry can build a tree whose recursion overflows the stack.
void ReadSubkeys(const RegKey& key, KCfgNode& node, int depth) {
    if (depth > kCfgMaxDepth) {
        return;
    }
    char name[kBufferSize];
    for (DWORD index = 0;; ++index) {
        DWORD nameSize = kBufferSize;
        LONG status = key.EnumKey(index, name, &nameSize);
        if (status == ERROR_MORE_DATA) {
            continue;  // a name that doesn't fit is skipped, the next one may
        }
        if (status != ERROR_SUCCESS) {
            return;
        }
        if (KCfgNode* child = ReadSubkey(key, name, depth)) {
            node.AppendChild(child);
        }
    }
}

// Whether value name of key reads as size bytes of data. Not so for a name with characters
// outside the code page: the A functions hand it out changed, and the changed name finds another
// value or none. Such a value is left out, like one whose name is too long.
bool NamesTheValue(const RegKey& key, const char* name, const char* data, DWORD size) {
    char stored[kBufferSize];
    DWORD storedSize = 0;
    return QueryText(key, name, stored, &storedSize) == Stored::Text && storedSize == size &&
           std::memcmp(stored, data, size) == 0;
}

void ReadValues(const RegKey& key, KCfgNode& node) {
    char name[kBufferSize];
    char data[kBufferSize];
    for (DWORD index = 0;; ++index) {
        DWORD nameSize = kBufferSize;
        DWORD dataSize = kBufferSize;
        DWORD type = REG_NONE;
        LONG status =
            key.EnumValue(index, name, &nameSize, &type, reinterpret_cast<BYTE*>(data), &dataSize);
        if (status == ERROR_MORE_DATA) {
            continue;  // a name or data that doesn't fit is skipped, the next one may
        }
        if (status != ERROR_SUCCESS) {
            return;
        }
        // The default value belongs to the node itself (ReadKey); other types stay out.
        if (nameSize == 0 || nameSize >= kBufferSize || type != REG_SZ ||
            !TerminateText(data, dataSize)) {
            continue;
        }
        name[nameSize] = '\0';
        if (!NamesTheValue(key, name, data, dataSize)) {
            continue;
        }
        node.AppendChild(new KCfgNode(KStr(name), KStr(data)));
    }
}

// Adds the contents of key, depth levels below the location, to node: its default value, then
// its subkeys, then its values.
void ReadKey(const RegKey& key, KCfgNode& node, int depth) {
    char text[kBufferSize];
    DWORD size = 0;
    if (QueryText(key, nullptr, text, &size) == Stored::Text) {
        node.Value() = text;
    }
    ReadSubkeys(key, node, depth + 1);
    ReadValues(key, node);
}

// Stores node into parent: a subkey when it has children (skipped with its subtree when the key
// can't be created), else a REG_SZ value.
void StoreNode(RegKey& parent, const KCfgNode& node) {
    if (node.ChildCount() == 0) {
        WriteText(parent, node.Name().Text(), node.Value());
        return;
    }
    RegKey key;
    if (key.Create(parent.Handle(), node.Name().Text()) != ERROR_SUCCESS) {
        return;
    }
    for (int i = 0; i < node.ChildCount(); ++i) {
        StoreNode(key, *node.Child(i));
    }
    WriteText(key, nullptr, node.Value());
}

}  // namespace

bool LoadRegistry(KCfgNode& root, const char* where) {
    KRegLocation location = ParseRegLocation(where);
    if (location.root == KRegRoot::None) {
        return false;
    }
    RegKey key;
    if (key.Open(RootKey(location.root), location.keyPath.Text()) != ERROR_SUCCESS) {
        return false;
    }
    ReadKey(key, root, 0);
    return true;
}

bool SaveRegistry(const KCfgNode& root, const char* where) {
    KRegLocation location = ParseRegLocation(where);
    if (location.root == KRegRoot::None) {
        return false;
    }
    RegKey key;
    if (key.Create(RootKey(location.root), location.keyPath.Text()) != ERROR_SUCCESS) {
        return false;
    }
    for (int i = 0; i < root.ChildCount(); ++i) {
        StoreNode(key, *root.Child(i));
    }
    WriteText(key, nullptr, root.Value());
    return true;
}
