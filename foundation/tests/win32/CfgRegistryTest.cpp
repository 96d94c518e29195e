// The registry form of the configuration tree against the registry of the Wine prefix.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "../CfgTestSupport.h"
#include "KCfgNode.h"
#include "KCfgRegistry.h"
#include "KCfgTree.h"
#include "support/CodePage.h"
#include "support/RegistrySnapshot.h"
#include "support/ScratchKey.h"
#include "win32/RegKey.h"

namespace {

class CfgRegistryTest : public ::testing::Test {
protected:
    CfgRegistryTest()
        : scratch_(::testing::UnitTest::GetInstance()->current_test_info()->name()),
          root_("Root") {}

    bool Load(KCfgNode& root) { return LoadRegistry(root, scratch_.Location().c_str()); }
    bool Save(const KCfgNode& root) { return SaveRegistry(root, scratch_.Location().c_str()); }

    // Adds a child to parent and returns it.
    static KCfgNode& Add(KCfgNode& parent, const char* name, const char* value = "") {
        auto* node = new KCfgNode(KStr(name), KStr(value));
        parent.AppendChild(node);
        return *node;
    }

    // The first child of parent named name, which the test made sure exists.
    static KCfgNode& Child(KCfgNode& parent, const char* name) {
        return *parent.Child(parent.FindChild(name));
    }

    ScratchKey scratch_;
    KCfgNode root_;
};

const std::string kLong(300, 'x');  // beyond the 255 characters that loading reads

TEST_F(CfgRegistryTest, LeafBecomesSzValueWithTerminatorAndACreatedKeyAnEmptyDefault) {
    Add(root_, "Language", "1");
    ASSERT_TRUE(SaveRegistry(root_, (scratch_.Location() + "/Created").c_str()));

    EXPECT_EQ(scratch_.Get("Created", "Language"), StoredSz("1"));  // "1" and its terminator
    EXPECT_EQ(scratch_.Get("Created", nullptr), StoredSz(""));      // the terminator alone
}

TEST_F(CfgRegistryTest, NodeWithChildrenBecomesSubkeyWithEmptyDefault) {
    Add(Add(root_, "Screen"), "Fullscreen", "1");
    ASSERT_TRUE(Save(root_));

    EXPECT_EQ(scratch_.Get("Screen", "Fullscreen"), StoredSz("1"));
    EXPECT_EQ(scratch_.Get("Screen", nullptr), StoredSz(""));
    EXPECT_EQ(scratch_.Get("", "Screen"), std::nullopt);
}

TEST_F(CfgRegistryTest, LoadReadsDefaultValueThenSubkeysThenValues) {
    scratch_.SetText("", nullptr, "top");
    scratch_.SetText("", "Alpha", "a");
    scratch_.SetText("", "Zeta", "z");
    scratch_.SetText("B", "Inner", "2");
    scratch_.SetText("A", nullptr, "a-default");
    scratch_.SetText("A", "Inner", "1");
    ASSERT_EQ(scratch_.CreateKey("A\\Empty"), ERROR_SUCCESS);
    root_.Value() = "old";

    ASSERT_TRUE(Load(root_));

    // Subkeys come in the registry's order (sorted by name), values in theirs (Windows: as
    // created, Wine: sorted; the names above make both the same).
    EXPECT_EQ(Describe(root_),
              "Root='top'{A='a-default'{Empty='',Inner='1'},B=''{Inner='2'},Alpha='a',Zeta='z'}");
}

TEST_F(CfgRegistryTest, LoadOfMissingKeyFailsAndLeavesTheNodeAlone) {
    Add(root_, "Kept", "1");
    root_.Value() = "mine";
    EXPECT_FALSE(LoadRegistry(root_, (scratch_.Location() + "/Missing").c_str()));
    EXPECT_EQ(Describe(root_), "Root='mine'{Kept='1'}");
}

TEST_F(CfgRegistryTest, LoadAddsToWhatTheNodeHolds) {
    scratch_.SetText("", "Language", "de");
    Add(root_, "Language", "en");
    ASSERT_TRUE(Load(root_));
    ASSERT_TRUE(Load(root_));
    EXPECT_EQ(Describe(root_), "Root=''{Language='en',Language='de',Language='de'}");
}

TEST_F(CfgRegistryTest, SubkeyWithoutChildrenStaysAKeyWithoutANamesakeValue) {
    ASSERT_EQ(scratch_.CreateKey("Empty"), ERROR_SUCCESS);
    scratch_.SetText("OnlyDefault", nullptr, "text");
    ASSERT_TRUE(Load(root_));
    EXPECT_EQ(Describe(root_), "Root=''{Empty='',OnlyDefault='text'}");
    Child(root_, "OnlyDefault").Value() = "changed";
    ASSERT_TRUE(Save(root_));
    for (const char* name : {"Empty", "OnlyDefault"}) {
        EXPECT_TRUE(scratch_.HasKey(name)) << name;
        EXPECT_EQ(scratch_.Get("", name), std::nullopt) << name;
    }
    EXPECT_EQ(scratch_.ValueCount("Empty"), 0);
    EXPECT_EQ(scratch_.Get("OnlyDefault", nullptr), StoredSz("changed"));
}

// Keys a locked-down machine or another account keeps read-only: a Save that changes nothing in
// them opens none of them for writing, and succeeds.
TEST_F(CfgRegistryTest, SaveWritesOnlyWhatDiffersAndOnlyThenNeedsWriteAccess) {
    scratch_.SetText("", "Language", "de");
    scratch_.SetText("Misc", "Gamma", "1234567");
    // Windows adds the terminator where the caller left it out of the size but not of the data.
    HKEY misc = nullptr;
    ASSERT_EQ(
        RegOpenKeyExA(HKEY_CURRENT_USER, scratch_.Sub("Misc").c_str(), 0, KEY_SET_VALUE, &misc),
        ERROR_SUCCESS);
    RegSetValueExW(misc, L"Unterminated", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"12!"), 4);
    RegCloseKey(misc);
    scratch_.SetText("Screen", "Width", "800");
    ASSERT_TRUE(Load(root_));
    Add(root_, "Missing", "");  // what looking up a missing setting leaves behind
    ASSERT_TRUE(Save(root_));
    EXPECT_EQ(scratch_.Get("", "Missing"), StoredSz(""));
    {
        ReadOnlyKey location(scratch_.Path()), misc(scratch_.Sub("Misc"));
        ASSERT_TRUE(location.Applied() && misc.Applied());
        EXPECT_TRUE(Save(root_)) << "nothing differs";

        Child(Child(root_, "Screen"), "Width").Value() = "1024";
        Child(Child(root_, "Misc"), "Gamma").Value() = "7";
        EXPECT_FALSE(Save(root_)) << "Misc/Gamma must be written and can't be";
    }
    EXPECT_EQ(scratch_.Get("Screen", "Width"), StoredSz("1024"));
    EXPECT_EQ(scratch_.Get("Misc", "Gamma"), StoredSz("1234567"));
    // Loading reads the same text: the data stays as it was, without a terminator.
    const StoredValue unterminated{REG_SZ, std::string("1\0"
                                                       "2\0",
                                                       4)};
    EXPECT_EQ(scratch_.Get("Misc", "Unterminated"), unterminated);
    // Existing keys without a default value keep having none.
    for (const char* key : {"", "Misc", "Screen"}) {
        EXPECT_EQ(scratch_.Get(key, nullptr), std::nullopt) << key;
    }
}

TEST_F(CfgRegistryTest, LoadSaveLoadGivesTheSameTree) {
    scratch_.SetText("", nullptr, "root text");
    scratch_.SetText("Screen", "Width", "640");
    scratch_.SetText("Screen", "DirectDrawGUID", "{00000000-0000-0000-0000-000000000000}");
    scratch_.SetText("Performance\\Deep", "Level", "2");
    scratch_.SetText("Performance", "MaxFramerate", "25");
    scratch_.SetText("", "Language", "de");
    scratch_.SetText("", "TclDefines", " FULL 'quoted' ");
    KCfgNode first("Root");
    ASSERT_TRUE(Load(first));

    ScratchKey copy("LoadSaveLoadCopy");
    ASSERT_TRUE(SaveRegistry(first, copy.Location().c_str()));
    KCfgNode second("Root");
    ASSERT_TRUE(LoadRegistry(second, copy.Location().c_str()));

    EXPECT_EQ(Describe(second), Describe(first));
    EXPECT_EQ(first.ChildCount(), 4);
}

TEST_F(CfgRegistryTest, SaveWritesInPlaceAndKeepsWhatTheTreeDoesNotHold) {
    // Screen has no subkeys, so nothing but writing in place would keep its other values.
    scratch_.SetText("Screen", "Other", "kept");
    scratch_.SetText("Screen", kLong.c_str(), "long name");
    scratch_.SetText("Screen", "LongData", kLong);
    scratch_.SetText("Misc\\Sub", "Deep", "kept too");
    Add(Add(root_, "Screen"), "Width", "800");
    Add(Add(root_, "Misc"), "Other", "1");

    ASSERT_TRUE(Save(root_));

    EXPECT_EQ(scratch_.Get("Screen", "Width"), StoredSz("800"));
    EXPECT_EQ(scratch_.Get("Screen", "Other"), StoredSz("kept"));
    EXPECT_EQ(scratch_.Get("Screen", kLong.c_str()), StoredSz("long name"));
    EXPECT_EQ(scratch_.Get("Screen", "LongData"), StoredSz(kLong));
    EXPECT_EQ(scratch_.Get("Misc\\Sub", "Deep"), StoredSz("kept too"));
}

TEST_F(CfgRegistryTest, EntriesThatDoNotFitAreSkippedAndTheRestIsRead) {
    scratch_.SetText("", "LongData", kLong);  // created first: enumerated first
    scratch_.SetText("", kLong.c_str(), "long name");
    scratch_.SetText("", "After", "read");
    ASSERT_TRUE(Load(root_));
    EXPECT_EQ(Describe(root_), "Root=''{After='read'}");

    ASSERT_TRUE(Save(root_));
    EXPECT_EQ(scratch_.Get("", "LongData"), StoredSz(kLong));
    EXPECT_EQ(scratch_.Get("", kLong.c_str()), StoredSz("long name"));
}

TEST_F(CfgRegistryTest, DataIsTerminatedWhateverItEndsWith) {
    const std::string text255(255, 't');
    const std::string text256(256, 'u');
    struct Case {
        const char* name;
        std::string bytes;  // stored as REG_SZ exactly, terminator or not
    };
    // Named so that they are enumerated in this order (as created, and sorted).
    const Case cases[] = {
        {"1Filler", std::string(200, 'f') + '\0'},  // leaves the read buffer full of 'f'
        {"2Short", "abc"},                          // no terminator: must not read the 'f's
        {"3Embedded", std::string("ab\0cd", 5)},    // text up to the first zero byte
        {"4Exact", text255},                        // 255 characters, no terminator
        {"5Full", text255 + '\0'},                  // 256 bytes with the terminator
        {"6TooLong", text256},                      // 256 characters do not fit: skipped
        {"7Last", "z"},
    };
    for (const Case& c : cases) {
        scratch_.Set("", c.name, REG_SZ, c.bytes.data(), static_cast<DWORD>(c.bytes.size()));
    }
    scratch_.Set("", nullptr, REG_SZ, "def", 3);

    ASSERT_TRUE(Load(root_));

    EXPECT_EQ(Describe(root_), "Root='def'{1Filler='" + std::string(200, 'f') +
                                   "',2Short='abc',3Embedded='ab',4Exact='" + text255 +
                                   "',5Full='" + text255 + "',7Last='z'}");
}

// The value stored through the A functions as the W functions read it back: the text types in
// UTF-16.
StoredValue AsRead(DWORD type, const std::string& bytes) {
    if (type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ) {
        return StoredSz(bytes.substr(0, bytes.size() - 1), type);  // without its terminator
    }
    return StoredValue{type, bytes};
}

TEST_F(CfgRegistryTest, OtherTypesStayOutOfTheTreeAndSurviveSave) {
    const uint32_t dword = 0x01020304;
    const unsigned char binary[] = {0, 1, 2, 0xff};
    const char multi[] = "one\0two\0";
    const char expand[] = "%TEMP%\\x";
    struct Case {
        const char* sub;
        const char* name;
        DWORD type;
        std::string bytes;
    };
    const Case cases[] = {
        {"", "Dword", REG_DWORD, std::string(reinterpret_cast<const char*>(&dword), 4)},
        {"", "Binary", REG_BINARY, std::string(reinterpret_cast<const char*>(binary), 4)},
        {"", "Multi", REG_MULTI_SZ, std::string(multi, sizeof multi)},
        {"", "Expand", REG_EXPAND_SZ, std::string(expand, sizeof expand)},
        {"", nullptr, REG_DWORD, std::string(reinterpret_cast<const char*>(&dword), 4)},
        {"Sub", nullptr, REG_BINARY, std::string(reinterpret_cast<const char*>(binary), 4)},
        {"Long", nullptr, REG_SZ, kLong + '\0'},
    };
    for (const Case& c : cases) {
        scratch_.Set(c.sub, c.name, c.type, c.bytes.data(), static_cast<DWORD>(c.bytes.size()));
    }
    scratch_.SetText("Sub", "Text", "t");
    scratch_.SetText("Long", "Text", "l");

    ASSERT_TRUE(Load(root_));
    EXPECT_EQ(Describe(root_), "Root=''{Long=''{Text='l'},Sub=''{Text='t'}}");

    // A node of such a name with a text is a setting the program made: it becomes REG_SZ.
    Add(root_, "Dword", "");  // what looking up a missing setting leaves behind
    Add(root_, "Binary", "7");
    ASSERT_TRUE(Save(root_));

    for (const Case& c : cases) {
        SCOPED_TRACE(c.name ? c.name : "(default)");
        if (c.name != nullptr && std::string(c.name) == "Binary") {
            EXPECT_EQ(scratch_.Get(c.sub, c.name), StoredSz("7"));
        } else {
            EXPECT_EQ(scratch_.Get(c.sub, c.name), AsRead(c.type, c.bytes));
        }
    }
}

TEST_F(CfgRegistryTest, WhatCannotBeStoredIsSkippedAndSaveReportsIt) {
    // No registry takes a key name over 255 characters or a value name of 20,000, and no lasting
    // subkey can be created below a volatile key.
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, scratch_.Sub("Volatile").c_str(), 0, nullptr,
                              REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(key);
    KCfgNode longKey("Root"), longValue("Root"), belowVolatile("Root");
    Add(Add(longKey, kLong.c_str()), "Lost", "1");
    Add(longValue, std::string(20000, 'v').c_str(), "1");
    Add(Add(Add(belowVolatile, "Volatile"), "Lasting"), "Lost", "1");
    for (KCfgNode* root : {&longKey, &longValue, &belowVolatile}) {
        DeleteKeyTree(HKEY_CURRENT_USER, scratch_.Sub("Next"));
        Add(Add(*root, "Next"), "Kept", "2");
        EXPECT_FALSE(Save(*root));
        EXPECT_EQ(scratch_.Get("Next", "Kept"), StoredSz("2"));
    }
    EXPECT_FALSE(scratch_.HasKey("Volatile\\Lasting"));
    EXPECT_EQ(scratch_.Get("", "Lost"), std::nullopt);
}

TEST_F(CfgRegistryTest, SaveFailsWhenTheLocationKeyCannotBeCreated) {
    Add(root_, "Language", "1");
    EXPECT_FALSE(SaveRegistry(root_, (scratch_.Location() + "/" + kLong).c_str()));
    EXPECT_EQ(scratch_.Get("", "Language"), std::nullopt);
}

TEST_F(CfgRegistryTest, TreeTakesOnlyTheExactPrefixAsRegistryLocation) {
    scratch_.SetText("", "Language", "de");
    std::string lower = "hkcu:" + scratch_.Location().substr(5);

    KCfgTree tree;
    EXPECT_FALSE(tree.Load(lower.c_str()));  // a file path, and no such file
    EXPECT_EQ(tree.Root()->ChildCount(), 0);
    ASSERT_TRUE(tree.Load(scratch_.Location().c_str()));
    EXPECT_EQ(tree.ValueAt("Language"), "de");

    tree.ValueAt("Language") = "fr";
    tree.Save(lower.c_str());
    EXPECT_EQ(scratch_.Get("", "Language"), StoredSz("de"));
    ASSERT_TRUE(tree.Save(scratch_.Location().c_str()));
    EXPECT_EQ(scratch_.Get("", "Language"), StoredSz("fr"));
}

// Names and data that Windows-1252 can't hold, as a program of the W functions stores them below
// the key path. The A functions hand such text out changed ("?" or a similar letter).
class WideItems {
public:
    explicit WideItems(const std::string& path) : path_(path.begin(), path.end()) {}

    static constexpr const wchar_t* kSubkey = L"Schl\u00fcssel\u4e2d";

    // Stores text as REG_SZ value name (null: the default value) of subkey sub.
    void Set(const std::wstring& sub, const wchar_t* name, const std::wstring& text) const {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, Path(sub).c_str(), 0, nullptr,
                                  REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(key);
    }
    // The text of value name of subkey sub as stored, or "(missing)".
    std::wstring Get(const std::wstring& sub, const wchar_t* name) const {
        wchar_t text[64] = {};
        DWORD size = sizeof text - sizeof(wchar_t);
        HKEY key = nullptr;
        LONG status = RegOpenKeyExW(HKEY_CURRENT_USER, Path(sub).c_str(), 0, KEY_READ, &key);
        if (status == ERROR_SUCCESS) {
            status =
                RegQueryValueExW(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size);
            RegCloseKey(key);
        }
        return status == ERROR_SUCCESS ? std::wstring(text) : L"(missing)";
    }
    // Numbers of values and of subkeys of subkey sub.
    std::pair<DWORD, DWORD> Counts(const std::wstring& sub) const {
        DWORD values = 0, subkeys = 0;
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, Path(sub).c_str(), 0, KEY_READ, &key) ==
            ERROR_SUCCESS) {
            RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values,
                             nullptr, nullptr, nullptr, nullptr);
            RegCloseKey(key);
        }
        return {values, subkeys};
    }

private:
    std::wstring Path(const std::wstring& sub) const {
        return sub.empty() ? path_ : path_ + L"\\" + sub;
    }

    std::wstring path_;
};

TEST_F(CfgRegistryTest, TextOutsideTheCodePageIsLeftOutAndLeftAlone) {
    WideItems wide(scratch_.Path());
    wide.Set(L"", L"Player", L"\u0141ukasz");      // the data only
    wide.Set(L"", L"Wert\u4e2d", L"x");            // the name
    wide.Set(WideItems::kSubkey, L"Inner", L"x");  // a subkey's name
    wide.Set(L"Sub", nullptr, L"\u03a9");          // a default value
    scratch_.SetText("Sub", "Plain", "p");

    ASSERT_TRUE(Load(root_));
    // Like names and data that don't fit, they are left out.
    EXPECT_EQ(Describe(root_), "Root=''{Sub=''{Plain='p'}}");

    Add(root_, "Player", "");  // what looking up a missing setting leaves behind
    ASSERT_TRUE(Save(root_));
    // And left alone: nothing is written over them or under a changed name.
    EXPECT_EQ(wide.Get(L"", L"Player"), L"\u0141ukasz");
    EXPECT_EQ(wide.Get(L"Sub", nullptr), L"\u03a9");
    EXPECT_EQ(wide.Counts(L""), std::make_pair(DWORD{2}, DWORD{2}));
    EXPECT_EQ(wide.Counts(WideItems::kSubkey), std::make_pair(DWORD{1}, DWORD{0}));
}

// The texts of the bytes 0x20 to 0xFF in the system's code page: each byte alone, before a
// letter and at the end (where a double-byte lead byte finds no trail, or takes the letter), and
// all of them in a row (lead bytes before every possible trail byte).
std::vector<std::string> EveryByteTexts() {
    std::vector<std::string> texts;
    std::string row;
    for (int code = 0x20; code <= 0xFF; ++code) {
        const char byte = static_cast<char>(code);
        texts.push_back(std::string{byte, 'a', byte});
        row += byte;
    }
    texts.push_back(row);
    return texts;
}

// Names and texts go in through the W functions, converted from the system's code page, and are
// stored exactly as the game's A functions store the same bytes: values, data and subkeys.
// run-in-locale.sh runs it again where the system code page is not 1252.
TEST_F(CfgRegistryTest, TextsAreStoredAsTheAFunctionsStoreThem) {
    ASSERT_TRUE(CodePageAsAskedFor()) << "the locale did not apply: " << GetACP();
    const std::string written = scratch_.Path() + "\\Written";
    RegKey key;
    ASSERT_EQ(key.Create(HKEY_CURRENT_USER, written.c_str()), ERROR_SUCCESS);
    ASSERT_EQ(scratch_.CreateKey("ByA"), ERROR_SUCCESS);
    HKEY aKey = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, (scratch_.Path() + "\\ByA").c_str(), 0,
                            KEY_ALL_ACCESS, &aKey),
              ERROR_SUCCESS);
    int index = 0;
    for (const std::string& text : EveryByteTexts()) {
        // A value and a subkey named with the text (before a number that keeps the names apart),
        // holding the text.
        const std::string name = text + "#" + std::to_string(index++);
        EXPECT_EQ(key.SetText(name.c_str(), text.c_str()), ERROR_SUCCESS) << index;
        ASSERT_EQ(scratch_.SetText("ByA", name.c_str(), text), ERROR_SUCCESS) << index;
        RegKey subkey;
        const std::string subkeyName = "k" + name;
        HKEY byASubkey = nullptr;
        const LONG created = subkey.Create(key.Handle(), subkeyName.c_str());
        EXPECT_EQ(created, RegCreateKeyExA(aKey, subkeyName.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                           nullptr, &byASubkey, nullptr))
            << index;
        if (created == ERROR_SUCCESS) {
            EXPECT_EQ(subkey.SetText(nullptr, text.c_str()), ERROR_SUCCESS) << index;
            RegSetValueExA(byASubkey, nullptr, 0, REG_SZ,
                           reinterpret_cast<const BYTE*>(text.c_str()),
                           static_cast<DWORD>(text.size() + 1));
            RegCloseKey(byASubkey);
        }
    }
    RegCloseKey(aKey);
    const std::wstring path(scratch_.Path().begin(), scratch_.Path().end());
    const Snapshot byW = TakeSnapshot(HKEY_CURRENT_USER, path + L"\\Written");
    const Snapshot byA = TakeSnapshot(HKEY_CURRENT_USER, path + L"\\ByA");
    EXPECT_EQ(byW.size(), byA.size());
    for (const auto& [keyPath, values] : byA) {
        const auto same = byW.find(keyPath);
        ASSERT_NE(same, byW.end()) << Printable(keyPath);
        EXPECT_TRUE(same->second == values) << Printable(keyPath);
    }
}

// Opens the chain of subkeys "L" levels deep below parent; null when it ends earlier.
HKEY OpenChain(HKEY parent, int levels) {
    HKEY key = nullptr;
    RegOpenKeyExA(parent, nullptr, 0, KEY_ALL_ACCESS, &key);
    for (int level = 1; key != nullptr && level <= levels; ++level) {
        HKEY next = nullptr;
        RegOpenKeyExA(key, "L", 0, KEY_ALL_ACCESS, &next);
        RegCloseKey(key);
        key = next;
    }
    return key;
}

TEST_F(CfgRegistryTest, KeysBelowTheDeepestLevelAreLeftOutAndKept) {
    // Windows refuses keys more than 512 levels deep, Wine takes them.
    const int deepest = 512;
    HKEY key = nullptr;
    RegOpenKeyExA(HKEY_CURRENT_USER, scratch_.Path().c_str(), 0, KEY_ALL_ACCESS, &key);
    for (int level = 1; key != nullptr && level <= deepest + 8; ++level) {
        HKEY next = nullptr;
        RegCreateKeyExA(key, "L", 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                        &next, nullptr);
        RegCloseKey(key);
        key = next;
        if (level == deepest || level == deepest + 8) {
            RegSetValueExA(key, "V", 0, REG_SZ, reinterpret_cast<const BYTE*>("v"), 2);
        }
    }
    ASSERT_NE(key, nullptr);
    RegCloseKey(key);

    ASSERT_TRUE(Load(root_));
    const KCfgNode* node = &root_;
    for (int level = 1; node != nullptr && level <= deepest; ++level) {
        node = node->Child(node->FindChild("L"));
    }
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(Describe(*node), "L=''{V='v'}");

    ASSERT_TRUE(Save(root_));
    HKEY scratch = nullptr;
    RegOpenKeyExA(HKEY_CURRENT_USER, scratch_.Path().c_str(), 0, KEY_ALL_ACCESS, &scratch);
    HKEY bottom = OpenChain(scratch, deepest + 8);
    RegCloseKey(scratch);
    ASSERT_NE(bottom, nullptr);
    EXPECT_EQ(RegQueryValueExA(bottom, "V", nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);
    RegCloseKey(bottom);
}

}  // namespace
