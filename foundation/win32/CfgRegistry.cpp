// The configuration tree in the registry: the root is the key named by the location, a node
// with children is a subkey (its value the subkey's default value), a node without children is a
// REG_SZ value of its parent's key.
//
// Saving writes keys and values in place and deletes nothing, so whatever the tree does not hold
// (values of other types, names or data beyond the 255-character buffers) survives, and a
// process that dies during a save loses no subkey.
#include <cstring>

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

// Reads value name of key (null: the default value) into text when it is Stored::Text.
Stored QueryText(const RegKey& key, const char* name, char* text) {
    DWORD type = REG_NONE;
    DWORD size = kBufferSize;
    LONG status = key.QueryValue(name, &type, reinterpret_cast<BYTE*>(text), &size);
    if (status == ERROR_FILE_NOT_FOUND) {
        return Stored::Nothing;
    }
    if (status == ERROR_SUCCESS && type == REG_SZ && TerminateText(text, size)) {
        return Stored::Text;
    }
    return Stored::Unread;
}

// Writes text as REG_SZ value name (null: the default value). An empty text stands for "nothing
// loaded" when the registry holds data that loading leaves out, so it does not replace that.
void WriteText(RegKey& key, const char* name, const KStr& text) {
    char stored[kBufferSize];
    if (text.Length() == 0 && QueryText(key, name, stored) == Stored::Unread) {
        return;
    }
    key.SetText(name, text.Text());
}

void ReadKey(const RegKey& key, KCfgNode& node);

// Subkey name of key as a new node, read recursively when the subkey opens.
KCfgNode* ReadSubkey(const RegKey& key, const char* name) {
    auto* node = new KCfgNode(KStr(name));
    RegKey subkey;
    if (subkey.Open(key.Handle(), name) == ERROR_SUCCESS) {
        ReadKey(subkey, *node);
    }
    return node;
}

void ReadSubkeys(const RegKey& key, KCfgNode& node) {
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
        node.AppendChild(ReadSubkey(key, name));
    }
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
        node.AppendChild(new KCfgNode(KStr(name), KStr(data)));
    }
}

// Adds the contents of key to node: its default value, then its subkeys, then its values.
void ReadKey(const RegKey& key, KCfgNode& node) {
    char text[kBufferSize];
    if (QueryText(key, nullptr, text) == Stored::Text) {
        node.Value() = text;
    }
    ReadSubkeys(key, node);
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
    ReadKey(key, root);
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
