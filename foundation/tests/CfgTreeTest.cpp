// The node operations, numbers as text, and path resolution.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "CfgTestSupport.h"
#include "KCfgPath.h"
#include "KCfgTree.h"

TEST(CfgTree, NewTreeHasAnEmptyRootNamedRoot) {
    KCfgTree tree;
    EXPECT_EQ(Describe(*tree.Root()), "Root=''");
    EXPECT_EQ(tree.Root()->Parent(), nullptr);
    EXPECT_EQ(tree.Source(), "");
}

TEST(CfgPath, CreatesMissingNodesOnceAndFindsThemAgain) {
    KCfgTree tree;
    KCfgNode* width = tree.NodeAt("Screen/Width");
    EXPECT_EQ(Describe(*tree.Root()), "Root=''{Screen=''{Width=''}}");
    EXPECT_EQ(width->Parent()->Parent(), tree.Root());

    EXPECT_EQ(tree.NodeAt("Screen/Width"), width);
    EXPECT_EQ(tree.NodeAt("Screen\\Width"), width);
    EXPECT_EQ(Describe(*tree.Root()), "Root=''{Screen=''{Width=''}}");

    tree.ValueAt("Screen/Width") = "640";
    EXPECT_EQ(width->Value(), "640");
}

TEST(CfgPath, KeepsEmptySegments) {
    struct Case {
        const char* path;
        const char* tree;
    };
    const Case cases[] = {
        {"", "Root=''{=''}"},
        {"A//B", "Root=''{A=''{=''{B=''}}}"},
        {"A/", "Root=''{A=''{=''}}"},
        {"/A", "Root=''{=''{A=''}}"},
    };
    for (const Case& c : cases) {
        KCfgTree tree;
        KCfgNode* node = tree.NodeAt(c.path);
        EXPECT_NE(node, tree.Root()) << c.path;
        EXPECT_EQ(Describe(*tree.Root()), c.tree) << c.path;
    }
}

TEST(CfgPath, TakesTheFirstOfNamesakes) {
    KCfgTree tree;
    tree.Root()->AddFloat("A", 1);
    tree.Root()->AddFloat("A", 2);
    EXPECT_EQ(tree.ValueAt("A"), "1");
}

TEST(CfgPath, FollowsOnlyTheFirst32Segments) {
    std::string path;
    for (int i = 1; i <= 40; ++i) {
        path += (i > 1 ? "/" : "") + std::to_string(i);
    }
    KCfgTree tree;
    KCfgNode* node = tree.NodeAt(path.c_str());
    EXPECT_EQ(node->Name(), "32");
    EXPECT_EQ(node->ChildCount(), 0);
    int depth = 0;
    for (KCfgNode* up = node; up != tree.Root(); up = up->Parent()) {
        ++depth;
    }
    EXPECT_EQ(depth, kCfgPathSegments);
}

TEST(CfgPath, LooksAtOnlyTheFirst1023Characters) {
    KCfgTree tree;
    std::string longName(2000, 'x');
    KCfgNode* node = tree.NodeAt(longName.c_str());
    EXPECT_EQ(node->Name().Length(), kCfgPathChars);
    EXPECT_EQ(tree.Root()->ChildCount(), 1);

    // The cut may fall inside a later segment, and the separator at its end is gone with it.
    std::string twoSegments = std::string(1020, 'a') + "/bcdefg/h";
    node = tree.NodeAt(twoSegments.c_str());
    EXPECT_EQ(node->Name(), "bc");
    EXPECT_EQ(node->ChildCount(), 0);
}

TEST(CfgNumbers, SetFloatWritesPrintfGTextOrTheLimitNames) {
    struct Case {
        double v;
        const char* text;
    };
    const Case cases[] = {
        {640, "640"},
        {0.5, "0.5"},
        {-3, "-3"},
        {0, "0"},
        {-0.0, "0"},
        {999999, "999999"},
        {1e6, "1e+06"},
        {1234567, "1.23457e+06"},
        {1.1754943508222875e-38, "FLT_MIN"},
        {3.4028234663852886e+38, "FLT_MAX"},
        {1.17549435e-38, "1.17549e-38"},  // close to the limit is not the limit
    };
    for (const Case& c : cases) {
        KCfgNode node("N");
        KCfgNode* child = node.SetFloat("V", c.v);
        EXPECT_EQ(child, node.Child(0));
        EXPECT_EQ(child->Value(), c.text) << c.v;
        node.AddFloat("V", c.v);
        EXPECT_EQ(node.Child(1)->Value(), c.text) << c.v;
    }
}

TEST(CfgNumbers, GetFloatReadsTextLimitsAndGarbage) {
    struct Case {
        const char* text;
        double v;
    };
    const Case cases[] = {
        {"640", 640},
        {"0.5", 0.5},
        {"1.23457e+06", 1234570},
        {"FLT_MAX", 3.4028234663852886e+38},
        {"FLT_MIN", 1.1754943508222875e-38},
        {"flt_max", 0},
        {"abc", 0},
        {"", 0},
        {"12abc", 12},
        // Only the leading decimal number counts, on every build: what other runtimes read as
        // hexadecimal, infinity or NaN holds no decimal number or stops after its "0".
        {" 42", 42},
        {"\t-7", -7},
        {"1e10", 1e10},
        {"-1e10", -1e10},
        {".5e1x", 5},
        {"1e", 1},
        {"1e400", HUGE_VAL},
        {"0x10", 0},
        {"inf", 0},
        {"-Infinity", 0},
        {"nan", 0},
        {"-.", 0},
    };
    for (const Case& c : cases) {
        KCfgNode node("N");
        node.SetText("V", c.text);
        EXPECT_EQ(node.GetFloat("V", 7), c.v) << c.text;
        EXPECT_EQ(node.ChildCount(), 1);
    }
}

TEST(CfgNumbers, IntegersBelowAMillionSurviveAndLargerKeepSixDigits) {
    KCfgNode node("N");
    for (double v : {999999.0, -999999.0, 123456.0, 1.0}) {
        node.SetFloat("V", v);
        EXPECT_EQ(node.GetFloat("V", 0), v);
    }
    node.SetFloat("V", 1234567);
    EXPECT_EQ(static_cast<int>(node.GetFloat("V", 0)), 1234570);
}

TEST(CfgNode, GetFloatAndGetTextStoreTheirDefaultWhenMissing) {
    KCfgNode node("N");
    EXPECT_EQ(node.GetFloat("Width", 640), 640);
    EXPECT_EQ(node.GetText("Name", "x y"), "x y");
    EXPECT_EQ(Describe(node), "N=''{Width='640',Name='x y'}");
    // Present children answer with their own value and nothing is added.
    EXPECT_EQ(node.GetFloat("Width", 1), 640);
    EXPECT_EQ(node.GetText("Name", "z"), "x y");
    EXPECT_EQ(node.ChildCount(), 2);
}

TEST(CfgNode, EmptyNameSetsTheNodesOwnValue) {
    KCfgNode node("N");
    EXPECT_EQ(node.SetFloat("", 2.5), &node);
    EXPECT_EQ(node.Value(), "2.500000");
    node.SetText("", "own");
    EXPECT_EQ(node.Value(), "own");
    EXPECT_EQ(node.ChildCount(), 0);
}

TEST(CfgNode, SetterChangesTheFirstNamesakeOnly) {
    KCfgNode node("N");
    node.AddFloat("A", 1);
    node.AddFloat("A", 2);
    node.SetText("A", "x");
    node.SetFloat("B", 3);
    EXPECT_EQ(Describe(node), "N=''{A='x',A='2',B='3'}");
    EXPECT_EQ(node.FindChild("A"), 0);
    EXPECT_EQ(node.FindChild("A", 1), 1);
    EXPECT_EQ(node.FindChild(KStr("A"), 2), -1);
    EXPECT_EQ(node.FindChild("A", -5), 0);
    EXPECT_EQ(node.FindChild("a"), -1);  // names are case-sensitive
}

TEST(CfgNode, ChildrenSurviveGrowingAndShrinkingAcrossBlocks) {
    KCfgNode node("N");
    for (int i = 0; i < 200; ++i) {
        node.AppendChild(new KCfgNode(KStr("%d", i)));
    }
    ASSERT_EQ(node.ChildCount(), 200);
    EXPECT_EQ(node.Child(-1), nullptr);
    EXPECT_EQ(node.Child(200), nullptr);

    // Moving children away shrinks the list through the block boundaries at 128 and 64.
    KCfgNode other("O");
    for (int i = 0; i < 150; ++i) {
        other.AppendChild(node.Child(0));
    }
    ASSERT_EQ(node.ChildCount(), 50);
    ASSERT_EQ(other.ChildCount(), 150);
    for (int i = 0; i < 50; ++i) {
        EXPECT_EQ(node.Child(i)->Name(), KStr("%d", i + 150));
        EXPECT_EQ(node.Child(i)->Parent(), &node);
    }
    EXPECT_EQ(other.Child(149)->Name(), "149");
    EXPECT_EQ(other.Child(149)->Parent(), &other);
}

TEST(CfgNode, AddChildTakesTheSlotOfTheFirstNamesake) {
    KCfgNode node("N");
    node.SetText("A", "old");
    node.SetText("B", "b");
    KCfgNode* oldA = node.Child(0);
    oldA->SetText("Inner", "deep");  // the displaced node goes with its subtree

    auto* newA = new KCfgNode("A", "new");
    EXPECT_EQ(node.AddChild(newA), 0);
    EXPECT_EQ(newA->Parent(), &node);
    EXPECT_EQ(Describe(node), "N=''{A='new',B='b'}");

    EXPECT_EQ(node.AddChild(new KCfgNode("C", "c")), 2);
    EXPECT_EQ(Describe(node), "N=''{A='new',B='b',C='c'}");
    // A node already in its own slot stays there.
    EXPECT_EQ(node.AddChild(newA), 0);
    EXPECT_EQ(Describe(node), "N=''{A='new',B='b',C='c'}");
}

TEST(CfgNode, AttachingMovesANodeAndRefusesCycles) {
    KCfgTree tree;
    KCfgNode* b = tree.NodeAt("A/B");
    KCfgNode* c = tree.NodeAt("C");

    c->AppendChild(b);
    EXPECT_EQ(Describe(*tree.Root()), "Root=''{A='',C=''{B=''}}");
    EXPECT_EQ(b->Parent(), c);

    // A node can't be put below itself or below its own descendants.
    EXPECT_EQ(b->AddChild(c), -1);
    b->AppendChild(c);
    b->AppendChild(b);
    b->AppendChild(nullptr);
    EXPECT_EQ(Describe(*tree.Root()), "Root=''{A='',C=''{B=''}}");

    // A later namesake moved onto an earlier one replaces it and leaves its own slot.
    tree.Root()->AppendChild(new KCfgNode("A", "second"));
    KCfgNode* second = tree.Root()->Child(2);
    EXPECT_EQ(tree.Root()->AddChild(second), 0);
    EXPECT_EQ(Describe(*tree.Root()), "Root=''{A='second',C=''{B=''}}");
}

TEST(CfgNode, SortOrdersByNameThenValueInEverySubtree) {
    KCfgNode node("N");
    node.SetText("b", "");
    node.AddFloat("a", 2);
    node.AddFloat("a", 1);
    KCfgNode* b = node.Child(0);
    b->SetText("z", "");
    b->SetText("Z", "");
    b->SetText("\xe9", "");  // bytes compare unsigned: above every ASCII letter
    b->SetText("y", "");
    node.Sort();
    EXPECT_EQ(Describe(node), "N=''{a='1',a='2',b=''{Z='',y='',z='',\xe9=''}}");
}
