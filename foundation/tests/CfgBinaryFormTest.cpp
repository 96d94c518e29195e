// The binary form: its exact layout, round trips, and files that must be refused without
// touching the tree.
#include <gtest/gtest.h>

#include <string>

#include "CfgTestSupport.h"
#include "KCfgTree.h"

namespace {

class CfgBinaryForm : public ::testing::Test {
protected:
    bool LoadBytes(KCfgTree& tree, const std::string& bytes) {
        std::string path = dir.File("input.bin");
        WriteFile(path, bytes);
        return tree.LoadBinary(path.c_str());
    }

    ScratchDir dir;
};

// Root {A = '1'} as the form lays it out.
const std::string kSmall(
    "\x04Root\x00\x01\x00\x01"
    "A\x01"
    "1\x00\x00",
    14);

}  // namespace

TEST_F(CfgBinaryForm, WritesNodesInPreOrder) {
    KCfgTree tree;
    tree.ValueAt("A") = "1";
    std::string path = dir.File("small.bin");
    ASSERT_TRUE(tree.SaveBinary(path.c_str()));
    EXPECT_EQ(ReadFile(path), kSmall);
}

TEST_F(CfgBinaryForm, RoundTripKeepsEverythingTheFormHolds) {
    KCfgTree tree;
    tree.Root()->Value() = "root value";
    tree.ValueAt(std::string(255, 'n').c_str()) = std::string(255, 'v').c_str();
    tree.ValueAt("Empty/Child") = "";
    tree.ValueAt("High") = "caf\xe9 \t'\r\n";
    KCfgNode* many = tree.NodeAt("Many");
    for (int i = 0; i < 300; ++i) {  // a child count above 255 uses both bytes
        many->AddFloat("I", i);
    }
    std::string path = dir.File("round.bin");
    ASSERT_TRUE(tree.SaveBinary(path.c_str()));

    KCfgTree back;
    ASSERT_TRUE(back.LoadBinary(path.c_str()));
    EXPECT_EQ(Describe(*back.Root()), Describe(*tree.Root()));
    EXPECT_EQ(back.Source(), "");
}

TEST_F(CfgBinaryForm, SaveRefusesWhatTheFormCantHoldAndKeepsTheOldFile) {
    std::string path = dir.File("kept.bin");
    WriteFile(path, "previous");
    KCfgTree longName;
    longName.ValueAt(std::string(256, 'n').c_str()) = "v";
    KCfgTree longValue;
    longValue.ValueAt("Deep/Name") = std::string(256, 'v').c_str();
    KCfgTree tooDeep;
    KCfgNode* n = tooDeep.Root();
    for (int i = 0; i < 513; ++i) {
        n = n->SetFloat("N", i);
    }
    for (KCfgTree* tree : {&longName, &longValue, &tooDeep}) {
        EXPECT_FALSE(tree->SaveBinary(path.c_str()));
        EXPECT_EQ(ReadFile(path), "previous");
    }
    std::string fresh = dir.File("fresh.bin");
    EXPECT_FALSE(longValue.SaveBinary(fresh.c_str()));
    EXPECT_FALSE(FileExists(fresh));
}

TEST_F(CfgBinaryForm, SaveToAnUnwritablePathFails) {
    KCfgTree tree;
    EXPECT_FALSE(tree.SaveBinary(dir.File("no-such-folder/x.bin").c_str()));
    EXPECT_FALSE(tree.SaveBinary(nullptr));
}

TEST_F(CfgBinaryForm, EveryTruncationIsRefused) {
    for (size_t cut = 0; cut < kSmall.size(); ++cut) {
        KCfgTree tree;
        tree.ValueAt("Kept") = "yes";
        EXPECT_FALSE(LoadBytes(tree, kSmall.substr(0, cut))) << cut;
        EXPECT_EQ(Describe(*tree.Root()), "Root=''{Kept='yes'}") << cut;
    }
}

TEST_F(CfgBinaryForm, CorruptFilesAreRefused) {
    std::string nested;
    for (int i = 0; i <= 513; ++i) {
        nested += std::string("\x01N\x00\x01\x00", 5);
    }
    nested += std::string("\x01N\x00\x00\x00", 5);
    struct Case {
        const char* what;
        std::string bytes;
    };
    const Case cases[] = {
        {"trailing bytes", kSmall + "x"},
        {"child count beyond the file", std::string("\x04Root\x00\xff\xff", 8)},
        {"zero byte inside a name", std::string("\x02R\x00\x00\x00\x00", 6)},
        {"nesting deeper than 512 levels", nested},
    };
    for (const Case& c : cases) {
        KCfgTree tree;
        tree.ValueAt("Kept") = "yes";
        EXPECT_FALSE(LoadBytes(tree, c.bytes)) << c.what;
        EXPECT_EQ(Describe(*tree.Root()), "Root=''{Kept='yes'}") << c.what;
    }
    KCfgTree tree;
    EXPECT_FALSE(tree.LoadBinary(dir.File("missing.bin").c_str()));
    EXPECT_FALSE(tree.LoadBinary(nullptr));
}

TEST_F(CfgBinaryForm, ZeroLengthsReadAsEmptyTextAndLoadReplacesTheRoot) {
    KCfgTree tree;
    tree.ValueAt("Kept") = "yes";
    ASSERT_TRUE(LoadBytes(tree, std::string("\x00\x00\x01\x00\x00\x00\x00\x00", 8)));
    EXPECT_EQ(Describe(*tree.Root()), "=''{=''}");
    EXPECT_EQ(tree.Root()->Child(0)->Parent(), tree.Root());
}

TEST_F(CfgBinaryForm, NestingUpTo512LevelsRoundTrips) {
    KCfgTree tree;
    KCfgNode* n = tree.Root();
    for (int i = 0; i < 512; ++i) {
        n = n->SetFloat("N", i);
    }
    std::string path = dir.File("deep.bin");
    ASSERT_TRUE(tree.SaveBinary(path.c_str()));
    KCfgTree back;
    ASSERT_TRUE(back.LoadBinary(path.c_str()));
    EXPECT_EQ(Describe(*back.Root()), Describe(*tree.Root()));
}
