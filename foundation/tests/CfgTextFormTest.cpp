// The text form: exact lines written, the reader's rules, round trips, and files that must be
// refused without touching the tree.
#include <gtest/gtest.h>

#include <string>

#include "CfgTestSupport.h"
#include "KCfgTextForm.h"
#include "KCfgTree.h"

namespace {

class CfgTextForm : public ::testing::Test {
protected:
    // Saves the tree and returns the file's text with "\n" line ends.
    std::string Saved(const KCfgTree& tree) {
        std::string path = dir.File("saved.txt");
        EXPECT_TRUE(tree.Save(path.c_str()));
        return ReadFile(path, "r");
    }

    // Loads bytes written as they stand into tree; returns the result of Load.
    bool LoadBytes(KCfgTree& tree, const std::string& bytes) {
        std::string path = dir.File("input.txt");
        WriteFile(path, bytes);
        return tree.Load(path.c_str());
    }

    // The tree that bytes read as, or "failed".
    std::string Read(const std::string& bytes) {
        KCfgTree tree;
        return LoadBytes(tree, bytes) ? Describe(*tree.Root()) : "failed";
    }

    ScratchDir dir;
};

// A tree with a value somewhere that an unrelated failed read must leave alone.
void Fill(KCfgTree& tree) {
    tree.ValueAt("Screen/Width") = "640";
    tree.ValueAt("Language") = "de";
}

const char kFilled[] = "Root=''{Screen=''{Width='640'},Language='de'}";

}  // namespace

TEST_F(CfgTextForm, WritesTheExactLines) {
    KCfgTree tree;
    EXPECT_EQ(Saved(tree), "Root = \n");

    tree.ValueAt("Language") = "1";
    EXPECT_EQ(Saved(tree), "Root { \n\tLanguage = '1'\n}\n");

    tree.Root()->Value() = "top";
    tree.ValueAt("Screen/Width") = "640";
    tree.ValueAt("Screen/Empty") = "";
    EXPECT_EQ(Saved(tree),
              "Root { 'top'\n"
              "\tLanguage = '1'\n"
              "\tScreen { \n"
              "\t\tWidth = '640'\n"
              "\t\tEmpty = \n"
              "\t}\n"
              "}\n");
}

TEST_F(CfgTextForm, DumpWritesWhatSaveWrites) {
    KCfgTree tree;
    Fill(tree);
    FILE* f = tmpfile();
    ASSERT_NE(f, nullptr);
    tree.Dump(f);
    rewind(f);
    std::string dumped;
    for (int c; (c = fgetc(f)) != EOF;) {
        dumped += static_cast<char>(c);
    }
    fclose(f);
    EXPECT_EQ(dumped, Saved(tree));
}

TEST_F(CfgTextForm, RoundTripKeepsNamesValuesAndOrder) {
    KCfgTree tree;
    KCfgNode* root = tree.Root();
    root->Value() = "root value";
    tree.ValueAt("Screen/Width") = "640";
    tree.ValueAt("Screen/Mode/Bits") = "32";
    tree.ValueAt("Screen/Width") = "800";
    root->AddFloat("Dup", 1);
    root->AddFloat("Dup", 2);
    tree.ValueAt("Quotes") = "'quoted'";
    tree.ValueAt("OneQuote") = "'";
    tree.ValueAt("Spaces") = "  both ends  ";
    tree.ValueAt("Inner") = "a = b { c }";
    tree.ValueAt("High") = "caf\xe9";
    tree.ValueAt("Tab\tInside{") = "carriage\rreturn";
    tree.ValueAt("Empty") = "";
    tree.ValueAt("Leaf/Deeper/Deepest") = "x";

    std::string path = dir.File("round.txt");
    ASSERT_TRUE(tree.Save(path.c_str()));
    KCfgTree back;
    ASSERT_TRUE(back.Load(path.c_str()));
    EXPECT_EQ(Describe(*back.Root()), Describe(*tree.Root()));
    EXPECT_EQ(back.Source(), path.c_str());
    EXPECT_EQ(tree.Source(), "");  // saving doesn't make a source
}

TEST_F(CfgTextForm, ReaderRules) {
    struct Case {
        const char* what;
        std::string bytes;
        const char* tree;
    };
    const Case cases[] = {
        {"new tree", "Root = \n", "Root=''"},
        {"no line end at the end", "Root = 'v'", "Root='v'"},
        {"windows line ends", "Root { \r\n\tA = '1'\r\n}\r\n", "Root=''{A='1'}"},
        {"indentation is free", "  Root {\n A = '1'\n\t \t B = '2'\n}\n", "Root=''{A='1',B='2'}"},
        {"blank lines are skipped", "\nRoot {\n\n \t\r\n\tA = '1'\n}\n", "Root=''{A='1'}"},
        {"a name beginning with } closes the list", "Root {\n\tA = '1'\n\t}x = '2'\n\tB = '3'\n}\n",
         "Root=''{A='1'}"},
        {"the file may end inside lists", "Root {\n\tA {\n\t\tB = '1'\n", "Root=''{A=''{B='1'}}"},
        {"a line without a marker is a leaf", "Root {\n\tLonely\n\tB = '1'\n}\n",
         "Root=''{Lonely='',B='1'}"},
        {"lines after the root are not read", "Root = 'a'\nOther = 'b'\n", "Root='a'"},
        {"unquoted values", "Root {\n\tA = x y\n}\n", "Root=''{A='x y'}"},
        {"trailing control and high bytes go", "Root {\n\tA = caf\xe9\x01 \n}\n",
         "Root=''{A='caf'}"},
        {"the rest after the marker's space is the value", "Root {\n\tA =  'x'\n}\n",
         "Root=''{A=' 'x'}"},
        {"a lone quote stays", "Root {\n\tA = ''\n}\n", "Root=''{A='''}"},
        {"any marker other than { makes a leaf", "Root ? 'v'\n\tA = '1'\n", "Root='v'"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Read(c.bytes), c.tree) << c.what;
    }
}

TEST_F(CfgTextForm, FailedReadsLeaveTheTreeAlone) {
    const std::string tooDeep = [] {
        std::string s;
        for (int i = 0; i <= 513; ++i) {
            s += "N {\n";
        }
        return s;
    }();
    struct Case {
        const char* what;
        std::string bytes;
    };
    const Case cases[] = {
        {"empty file", ""},
        {"only blank lines", "\n\n  \n"},
        {"closing line first", "}\nRoot = \n"},
        {"line over 511 characters", "Root {\n\tA = '" + std::string(600, 'v') + "'\n}\n"},
        {"lists nested deeper than 512 levels", tooDeep},
    };
    for (const Case& c : cases) {
        KCfgTree tree;
        Fill(tree);
        EXPECT_FALSE(LoadBytes(tree, c.bytes)) << c.what;
        EXPECT_EQ(Describe(*tree.Root()), kFilled) << c.what;
        EXPECT_EQ(tree.Source(), "") << c.what;
    }

    KCfgTree tree;
    Fill(tree);
    EXPECT_FALSE(tree.Load(dir.File("missing.txt").c_str()));
    EXPECT_FALSE(tree.Load(nullptr));
    EXPECT_EQ(Describe(*tree.Root()), kFilled);
}

TEST_F(CfgTextForm, LinesUpTo511CharactersAreRead) {
    // "A = '" and "'" take 6 characters of the line.
    const std::string value(505, 'v');
    const std::string expected = "Root=''{A='" + value + "'}";
    EXPECT_EQ(Read("Root {\nA = '" + value + "'\n}\n"), expected);
    EXPECT_EQ(Read("Root {\nA = '" + value + "'"), expected);
    EXPECT_EQ(Read("Root {\nA = '" + value + "x'\n}\n"), "failed");
}

TEST_F(CfgTextForm, NestingUpTo512LevelsIsRead) {
    std::string bytes;
    for (int i = 0; i <= 512; ++i) {
        bytes += "N {\n";
    }
    KCfgTree tree;
    ASSERT_TRUE(LoadBytes(tree, bytes));
    int depth = 0;
    for (KCfgNode* n = tree.Root(); n->ChildCount() > 0; n = n->Child(0)) {
        ++depth;
    }
    EXPECT_EQ(depth, 512);
}

TEST_F(CfgTextForm, SaveRefusesTreesTheReaderWouldRefuse) {
    std::string path = dir.File("kept.txt");
    WriteFile(path, "previous");

    KCfgTree longLine;
    longLine.ValueAt("Screen/A") = std::string(505, 'v').c_str();  // tab, tab + 6 + 505 = 513
    EXPECT_FALSE(longLine.Save(path.c_str()));
    EXPECT_EQ(ReadFile(path), "previous");

    KCfgTree deep;
    KCfgNode* n = deep.Root();
    for (int i = 0; i < 513; ++i) {
        n = n->SetFloat("N", 0);
    }
    EXPECT_FALSE(deep.Save(path.c_str()));
    EXPECT_EQ(ReadFile(path), "previous");

    // Names and values that would read back as something else, or end the file early.
    const char* const unreadable[][2] = {
        {"Two words", "1"},   {"", "1"},          {"}Closing", "1"},       {"\tIndented", "1"},
        {"Line\nBreak", "1"}, {"Ctrl\x1aZ", "1"}, {"Value", "two\nlines"}, {"Value", "a\x1a"},
    };
    for (const auto& [name, value] : unreadable) {
        KCfgTree tree;
        tree.Root()->AppendChild(new KCfgNode(name, value));
        EXPECT_FALSE(tree.Save(path.c_str())) << '"' << name << "\" = \"" << value << '"';
        EXPECT_EQ(ReadFile(path), "previous");
    }

    KCfgTree fits;
    fits.ValueAt("A") = std::string(503, 'v').c_str();  // tab + 6 + 503 + ... = 510
    EXPECT_TRUE(fits.Save(path.c_str()));
    EXPECT_TRUE(CfgTextFits(*fits.Root()));
}

TEST_F(CfgTextForm, SaveToAnUnwritablePathFails) {
    KCfgTree tree;
    EXPECT_FALSE(tree.Save(dir.File("no-such-folder/x.txt").c_str()));
    EXPECT_FALSE(tree.Save(nullptr));
}

TEST_F(CfgTextForm, LoadReplacesTheWholeTree) {
    KCfgTree tree;
    Fill(tree);
    ASSERT_TRUE(LoadBytes(tree, "Other { \n\tX = '1'\n}\n"));
    EXPECT_EQ(Describe(*tree.Root()), "Other=''{X='1'}");
    EXPECT_EQ(tree.Root()->Child(0)->Parent(), tree.Root());
}
