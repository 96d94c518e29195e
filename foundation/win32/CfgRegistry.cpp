// The configuration tree in the registry: the root is the key named by the location, a node
// with children is a subkey (its value the subkey's default value), a node without children is a
// REG_SZ value of its parent's key.
//
// Saving writes keys and values in place and deletes nothing, so whatever the tree does not hold
// (values of other types, names or data beyond the 255-character buffers) survives, and a
// process that dies during a save loses no subkey. A save goes on past a key or value it can't
// write and reports the failure at the end. Loading only reads: it asks for read access alone.
//
// Reading takes names and data in UTF-16 and converts them to the code page here, exactly or not
// at all: the A functions would hand out a name or text with characters that the code page lacks
// changed ("?" or a similar letter), and Save would then write the changed text over the original
// or store it under the changed name. What doesn't convert exactly is treated like what doesn't
// fit: left out of the tree, and so left alone.
#include <cstring>
#include <string>

#include "KCfgLimits.h"
#include "KCfgNode.h"
#include "KCfgRegistry.h"
#include "KRegLocation.h"
#include "win32/RegKey.h"

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
    if (length == 0) {
        return 0;
    }
    // A UTF-8 code page has every character; it takes neither the flag nor the question.
    const bool utf8 = GetACP() == CP_UTF8;
    BOOL inexact = FALSE;
    int written =
        WideCharToMultiByte(CP_ACP, utf8 ? 0 : WC_NO_BEST_FIT_CHARS, text, static_cast<int>(length),
                            out, static_cast<int>(size), nullptr, utf8 ? nullptr : &inexact);
    return written > 0 && !inexact ? written : -1;
}

// A name of the tree in UTF-16, as the A functions would pass it on.
std::wstring FromCodePage(const char* text) {
    int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    std::wstring wide(length > 0 ? static_cast<size_t>(length) : 1, L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), length);
    return wide;
}

// Reads value name of key (null: the default value) into text when it is Stored::Text.
Stored QueryText(const RegKey& key, const char* name, char* text) {
    std::wstring wideName = name != nullptr ? FromCodePage(name) : std::wstring();
    wchar_t data[kBufferSize];  // as many characters as the text buffer has bytes
    DWORD type = REG_NONE;
    DWORD size = sizeof data;
    LONG status = key.QueryValue(name != nullptr ? wideName.c_str() : nullptr, &type,
                                 reinterpret_cast<BYTE*>(data), &size);
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

// Whether an empty text under name (null: the default value) of key stands for something that
// loading left out rather than for an empty value: data of another type, too long or outside
// the code page, or, where no value has that name, a subkey that held nothing to load.
bool StandsForUnloaded(const RegKey& key, const char* name) {
    char stored[kBufferSize];
    switch (QueryText(key, name, stored)) {
        case Stored::Unread:
            return true;
        case Stored::Nothing:
            return name != nullptr && name[0] != '\0' && HasSubkey(key, name);
        case Stored::Text:
            break;
    }
    return false;
}

// Writes text as REG_SZ value name (null: the default value); false when that fails. An empty
// text that stands for something loading left out replaces nothing.
bool WriteText(RegKey& key, const char* name, const KStr& text) {
    if (text.Length() == 0 && StandsForUnloaded(key, name)) {
        return true;
    }
    return key.SetText(name, text.Text()) == ERROR_SUCCESS;
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

bool StoreNode(RegKey& parent, const KCfgNode& node);

// Stores the children of node into key, each whether or not one before it failed; false when
// any of them failed.
bool StoreChildren(RegKey& key, const KCfgNode& node) {
    bool stored = true;
    for (int i = 0; i < node.ChildCount(); ++i) {
        stored = StoreNode(key, *node.Child(i)) && stored;
    }
    return stored;
}

// Stores node into parent: a subkey when it has children (skipped with its subtree when the key
// can't be created), else a REG_SZ value. False when anything of it was not stored.
bool StoreNode(RegKey& parent, const KCfgNode& node) {
    if (node.ChildCount() == 0) {
        return WriteText(parent, node.Name().Text(), node.Value());
    }
    RegKey key;
    if (key.Create(parent.Handle(), node.Name().Text()) != ERROR_SUCCESS) {
        return false;
    }
    const bool children = StoreChildren(key, node);
    return WriteText(key, nullptr, node.Value()) && children;
}

// Opens the key that where names, creating it when create is set; false for a file path or
// when the registry refuses.
bool OpenLocation(const char* where, bool create, RegKey& key) {
    KRegLocation location = ParseRegLocation(where);
    if (location.root == KRegRoot::None) {
        return false;
    }
    HKEY root = RootKey(location.root);
    const char* path = location.keyPath.Text();
    return (create ? key.Create(root, path) : key.Open(root, path)) == ERROR_SUCCESS;
}

}  // namespace

bool LoadRegistry(KCfgNode& root, const char* where) {
    RegKey key;
    if (!OpenLocation(where, false, key)) {
        return false;
    }
    ReadKey(key, root, 0);
    return true;
}

bool SaveRegistry(const KCfgNode& root, const char* where) {
    RegKey key;
    if (!OpenLocation(where, true, key)) {
        return false;
    }
    const bool children = StoreChildren(key, root);
    return WriteText(key, nullptr, root.Value()) && children;
}
