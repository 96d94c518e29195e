// The configuration tree in the registry: the root is the key named by the location, a node
// with children is a subkey (its value the subkey's default value), a node without children is a
// REG_SZ value of its parent's key, or the default value of a namesake subkey that loading found
// holding nothing else.
//
// Saving writes in place and deletes nothing, so whatever the tree does not hold (values of other
// types, names or data beyond the 255-character buffers) survives, and a process that dies during
// a save loses no subkey. It writes only what differs from what is stored: a value that is
// missing, or whose text loading would read differently; an existing key's missing default value
// counts as empty. A key is opened for writing only when something in it is written, so a
// read-only key that nothing changes in is no failure. A save goes on past a key or value it
// can't write and reports the failure at the end. Loading only reads: it asks for read access
// alone.
//
// Reading takes names and data in UTF-16 and converts them to the code page exactly or not at all
// (ExactNarrowText): the A functions would hand out a name or text with characters that the code
// page lacks changed ("?" or a similar letter), and Save would then write the changed text over the
// original or store it under the changed name. What doesn't convert exactly is treated like what
// doesn't fit: left out of the tree, and so left alone.
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "KCfgLimits.h"
#include "KCfgNode.h"
#include "KCfgRegistry.h"
#include "KRegLocation.h"
#include "win32/RegKey.h"
#include "win32/SaveKey.h"
#include "win32/WideText.h"

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
    Unread,   // data that loading leaves out: another type, too long, or not in the code page
};

// Converts length UTF-16 characters into out (size bytes) in the code page. The number of bytes
// written, or -1 when they don't fit or a character has no exact counterpart in the code page.
int ToCodePage(const wchar_t* text, DWORD length, char* out, DWORD size) {
    const std::optional<std::string> narrow =
        ExactNarrowText(std::wstring_view(text, length), TextOrigin::kSystem);
    if (!narrow || narrow->size() > size) {
        return -1;
    }
    std::memcpy(out, narrow->data(), narrow->size());
    return static_cast<int>(narrow->size());
}

// Reads value name of key (null: the default value) into text when it is Stored::Text.
Stored QueryText(const RegKey& key, const char* name, char* text) {
    wchar_t data[kBufferSize];  // as many characters as the text buffer has bytes
    DWORD type = REG_NONE;
    DWORD size = sizeof data;
    LONG status = key.QueryValue(name, &type, reinterpret_cast<BYTE*>(data), &size);
    if (status == ERROR_FILE_NOT_FOUND) {
        return Stored::Nothing;
    }
    if (status != ERROR_SUCCESS || type != REG_SZ) {
        return Stored::Unread;
    }
    int length = ToCodePage(data, size / sizeof(wchar_t), text, kBufferSize);
    return length >= 0 && TerminateText(text, length) ? Stored::Text : Stored::Unread;
}

// Whether subkey name of key exists, readable or not.
bool HasSubkey(const RegKey& key, const char* name) {
    RegKey subkey;
    LONG status = subkey.Open(key.Handle(), name);
    return status == ERROR_SUCCESS || status == ERROR_ACCESS_DENIED;
}

bool IsDefaultValue(const char* name) {
    return name == nullptr || name[0] == '\0';
}

// Whether text must be written as value name (null: the default value) of key, an existing key:
// the value is missing, or loading would read it as another text. An empty text over data that
// loading leaves out (another type, too long, outside the code page) stands for that data, not
// for a change; so does an empty text where the default value is missing.
bool Differs(const RegKey& key, const char* name, const KStr& text) {
    char stored[kBufferSize];
    switch (QueryText(key, name, stored)) {
        case Stored::Text:
            return std::strcmp(stored, text.Text()) != 0;
        case Stored::Unread:
            return text.Length() > 0;
        case Stored::Nothing:
            return text.Length() > 0 || !IsDefaultValue(name);
    }
    return true;
}

// Writes text as REG_SZ value name (null: the default value) of key where it differs from what
// is stored; false when a needed write fails.
bool WriteText(SaveKey& key, const char* name, const KStr& text) {
    if (!key.IsNew() && !Differs(key.Key(), name, text)) {
        return true;
    }
    return key.SetText(name, text.Text()) == ERROR_SUCCESS;
}

// Whether a node without children named name stands for a subkey of key rather than a value:
// a subkey that holds nothing but a default value loads as such a node, and stays a key. A value
// of that name, of whatever type, is the node's own.
bool StandsForSubkey(const SaveKey& key, const char* name) {
    char stored[kBufferSize];
    return !key.IsNew() && !IsDefaultValue(name) &&
           QueryText(key.Key(), name, stored) == Stored::Nothing && HasSubkey(key.Key(), name);
}

void ReadKey(const RegKey& key, KCfgNode& node, int depth);

// Subkey name of key as a new node, read recursively when the subkey opens.
KCfgNode* ReadSubkey(const RegKey& key, const char* name, int depth) {
    auto* node = new KCfgNode(KStr(name));
    RegKey subkey;
    if (subkey.Open(key.Handle(), name) == ERROR_SUCCESS) {
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
    wchar_t wideName[kBufferSize];
    char name[kBufferSize];
    for (DWORD index = 0;; ++index) {
        DWORD nameSize = kBufferSize;
        LONG status = key.EnumKey(index, wideName, &nameSize);
        if (status == ERROR_MORE_DATA) {
            continue;  // a name that doesn't fit is skipped, the next one may
        }
        if (status != ERROR_SUCCESS) {
            return;
        }
        int length = ToCodePage(wideName, nameSize, name, kBufferSize - 1);
        if (length < 0) {
            continue;  // so is a name outside the code page
        }
        name[length] = '\0';
        node.AppendChild(ReadSubkey(key, name, depth));
    }
}

void ReadValues(const RegKey& key, KCfgNode& node) {
    wchar_t wideName[kBufferSize];
    wchar_t wideData[kBufferSize];
    char name[kBufferSize];
    char data[kBufferSize];
    for (DWORD index = 0;; ++index) {
        DWORD nameSize = kBufferSize;
        DWORD dataSize = sizeof wideData;
        DWORD type = REG_NONE;
        LONG status = key.EnumValue(index, wideName, &nameSize, &type,
                                    reinterpret_cast<BYTE*>(wideData), &dataSize);
        if (status == ERROR_MORE_DATA) {
            continue;  // a name or data that doesn't fit is skipped, the next one may
        }
        if (status != ERROR_SUCCESS) {
            return;
        }
        // The default value belongs to the node itself (ReadKey); other types stay out, and so
        // do names and data outside the code page.
        if (nameSize == 0 || type != REG_SZ) {
            continue;
        }
        int nameLength = ToCodePage(wideName, nameSize, name, kBufferSize - 1);
        int dataLength = ToCodePage(wideData, dataSize / sizeof(wchar_t), data, kBufferSize);
        if (nameLength < 0 || dataLength < 0 || !TerminateText(data, dataLength)) {
            continue;
        }
        name[nameLength] = '\0';
        node.AppendChild(new KCfgNode(KStr(name), KStr(data)));
    }
}

void ReadKey(const RegKey& key, KCfgNode& node, int depth) {
    char text[kBufferSize];
    if (QueryText(key, nullptr, text) == Stored::Text) {
        node.Value() = text;
    }
    ReadSubkeys(key, node, depth + 1);
    ReadValues(key, node);
}

bool StoreNode(SaveKey& parent, const KCfgNode& node);

// Stores the children of node into key, each whether or not one before it failed; false when
// any of them failed.
bool StoreChildren(SaveKey& key, const KCfgNode& node) {
    bool stored = true;
    for (int i = 0; i < node.ChildCount(); ++i) {
        stored = StoreNode(key, *node.Child(i)) && stored;
    }
    return stored;
}

// Stores the subtree of node into key, and node's value as the key's default value.
bool StoreKey(SaveKey& key, const KCfgNode& node) {
    const bool children = StoreChildren(key, node);
    return WriteText(key, nullptr, node.Value()) && children;
}

// Stores node into parent: a subkey when it has children or stands for one (skipped with its
// subtree when the key can't be opened or created), else a REG_SZ value. False when anything of
// it that had to be written was not.
bool StoreNode(SaveKey& parent, const KCfgNode& node) {
    const char* name = node.Name().Text();
    const bool subkey = node.ChildCount() > 0 || StandsForSubkey(parent, name);
    if (!subkey) {
        return WriteText(parent, name, node.Value());
    }
    if (node.ChildCount() == 0 && node.Value().Length() == 0) {
        return true;  // an empty default value, or one loading couldn't read: nothing to write
    }
    SaveKey key;
    return key.OpenSubkey(parent, name) == ERROR_SUCCESS && StoreKey(key, node);
}

}  // namespace

bool LoadRegistry(KCfgNode& root, const char* where) {
    const KRegLocation location = ParseRegLocation(where);
    RegKey key;
    if (location.root == KRegRoot::None ||
        key.Open(RootKey(location.root), location.keyPath.Text()) != ERROR_SUCCESS) {
        return false;
    }
    ReadKey(key, root, 0);
    return true;
}

bool SaveRegistry(const KCfgNode& root, const char* where) {
    const KRegLocation location = ParseRegLocation(where);
    SaveKey key;
    if (location.root == KRegRoot::None ||
        key.OpenLocation(RootKey(location.root), location.keyPath.Text()) != ERROR_SUCCESS) {
        return false;
    }
    return StoreKey(key, root);
}
