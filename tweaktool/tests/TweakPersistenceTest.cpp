// The persistence logic against the text form of the tree, which goes through the same Load and
// Save as the registry; the registry itself is covered by the Wine tests of the program.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "CfgTestSupport.h"
#include "KCfgNode.h"
#include "TweakPersistence.h"

namespace {

class TweakPersistenceTest : public ::testing::Test {
protected:
    TweakPersistenceTest() : location_(scratch_.File("settings.txt")) {
        table_.BuildParameterTable();
    }

    // Stores the tree built by fill at the location.
    template <typename Fill>
    void Store(Fill fill) {
        KCfgTree tree;
        fill(tree);
        ASSERT_TRUE(tree.Save(location_.c_str()));
    }
    // The stored text of group/name (null group: at the root), or "(missing)".
    std::string Stored(const char* group, const char* name) const {
        KCfgTree tree;
        if (!tree.Load(location_.c_str())) {
            return "(no settings)";
        }
        KCfgNode* node = group != nullptr ? tree.NodeAt(group) : tree.Root();
        int i = node->FindChild(name);
        return i < 0 ? "(missing)" : node->Child(i)->Value().Text();
    }
    TweakParameter& Named(const char* name) {
        for (int32_t i = 0; i < table_.Count(); ++i) {
            if (table_.At(i)->name == name) {
                return *table_.At(i);
            }
        }
        ADD_FAILURE() << name;
        return *table_.At(0);
    }

    ScratchDir scratch_;
    std::string location_;
    TweakParameterTable table_;
};

TEST_F(TweakPersistenceTest, NothingStoredReadsTheDefaultsTheGameUsesAndCreatesNothing) {
    for (int32_t i = 0; i < table_.Count(); ++i) {
        table_.At(i)->current = table_.At(i)->loaded = 77;
        table_.At(i)->marked = true;
    }
    ReadParameters(table_, location_.c_str());
    for (int32_t i = 0; i < table_.Count(); ++i) {
        const TweakParameter& p = *table_.At(i);
        EXPECT_EQ(p.current, p.defaultValue) << p.name.Text();
        EXPECT_EQ(p.loaded, p.defaultValue) << p.name.Text();
        EXPECT_FALSE(p.marked) << p.name.Text();
    }
    EXPECT_EQ(Named("TexVideoMemLimit").current, 4096);
    EXPECT_FALSE(FileExists(location_));
}

TEST_F(TweakPersistenceTest, StoredTextsTruncateTowardZeroAndSaturate) {
    const struct {
        const char* text;
        int32_t value;
    } cases[] = {
        {"8192", 8192},
        {"8192.9", 8192},
        {"-3.7", -3},
        {"abc", 0},
        {"", 0},
        {" 12abc", 12},
        {"1e10", INT32_MAX},
        {"-1e10", INT32_MIN},
        {"FLT_MAX", INT32_MAX},
        {"2147483647", INT32_MAX},
        {"nan", 0},
    };
    for (const auto& c : cases) {
        KCfgTree tree;
        tree.NodeAt("Performance")->SetText("TexVideoMemLimit", c.text);
        TakeParametersFrom(tree, table_);
        EXPECT_EQ(Named("TexVideoMemLimit").current, c.value) << '"' << c.text << '"';
        EXPECT_EQ(Named("TexVideoMemLimit").loaded, c.value) << '"' << c.text << '"';
    }
}

TEST_F(TweakPersistenceTest, ValuesAreFoundOnlyInTheirOwnGroup) {
    Store([](KCfgTree& tree) {
        tree.NodeAt("Misc")->SetText("WebServer", "1");  // WebServer belongs to Performance
        tree.NodeAt("Misc")->SetText("DIPYieldThreshold", "300");
        tree.Root()->SetText("ShowFMV", "1");  // at the root, not in its group
    });
    ReadParameters(table_, location_.c_str());
    EXPECT_EQ(Named("WebServer").current, 0);
    EXPECT_EQ(Named("DIPYieldThreshold").current, 300);
    EXPECT_EQ(Named("ShowFMV").current, 1);  // its default
}

TEST_F(TweakPersistenceTest, WriteStoresTheMarkedValuesOnlyAndLeavesTheOthersAsTheyAre) {
    Store([](KCfgTree& tree) {
        tree.NodeAt("Misc")->SetText("ShowQuotes", "0");
        tree.NodeAt("Misc")->SetText("DIPYieldThreshold", "1234567");  // edited by hand
    });
    ReadParameters(table_, location_.c_str());
    Named("GameSaveCompression").current = 9;
    Named("GameSaveCompression").marked = true;
    Named("TexVideoMemLimit").current = 32768;
    Named("TexVideoMemLimit").marked = true;
    Named("ShowFMV").marked = true;   // set to the default it reads as: stored all the same
    Named("ShowQuotes").current = 1;  // changed but not marked: not the player's choice

    WriteParameters(table_, location_.c_str());

    EXPECT_EQ(Stored("Misc", "GameSaveCompression"), "9");
    EXPECT_EQ(Stored("Performance", "TexVideoMemLimit"), "32768");
    EXPECT_EQ(Stored("Misc", "ShowFMV"), "1");
    EXPECT_EQ(Stored("Misc", "ShowQuotes"), "0");
    EXPECT_EQ(Stored("Misc", "DIPYieldThreshold"), "1234567");  // not "1.23457e+06"
    // Missing and untouched: still missing, so the game keeps its default.
    EXPECT_EQ(Stored("Performance", "WebServer"), "(missing)");
    EXPECT_EQ(Stored("Misc", "MinThreadSleep"), "(missing)");
    EXPECT_EQ(Named("GameSaveCompression").loaded, 9);
    EXPECT_EQ(Named("ShowQuotes").current, 0);
    for (int32_t i = 0; i < table_.Count(); ++i) {
        EXPECT_FALSE(table_.At(i)->marked) << table_.At(i)->name.Text();
    }
}

TEST_F(TweakPersistenceTest, WriteKeepsOtherSettingsAndUntouchedOutOfRangeValues) {
    Store([](KCfgTree& tree) {
        tree.NodeAt("Performance")->SetText("MaxFramerate", "25");
        tree.NodeAt("Performance")->SetText("RatingCpu", "80");
        tree.NodeAt("Screen")->SetText("Width", "1024");
        tree.Root()->SetText("Language", "de");
        tree.NodeAt("Misc")->SetText("ThreadPriority", "7");
    });
    ReadParameters(table_, location_.c_str());
    EXPECT_EQ(Named("ThreadPriority").current, 7);

    WriteParameters(table_, location_.c_str());

    EXPECT_EQ(Stored("Performance", "MaxFramerate"), "25");
    EXPECT_EQ(Stored("Performance", "RatingCpu"), "80");
    EXPECT_EQ(Stored("Screen", "Width"), "1024");
    EXPECT_EQ(Stored(nullptr, "Language"), "de");
    EXPECT_EQ(Stored("Misc", "ThreadPriority"), "7");
    EXPECT_EQ(Named("ThreadPriority").loaded, 7);
}

TEST_F(TweakPersistenceTest, FailedStoreShowsTheStoredValuesAgain) {
    Store([](KCfgTree& tree) { tree.NodeAt("Misc")->SetText("ShowQuotes", "1"); });
    const std::string unwritable = scratch_.File("missing-folder/settings.txt");
    ReadParameters(table_, location_.c_str());
    Named("ShowQuotes").current = 0;
    Named("ShowQuotes").marked = true;

    WriteParameters(table_, unwritable.c_str());

    // The read-back finds nothing at the failed location: every value is its default there.
    EXPECT_FALSE(FileExists(unwritable));
    EXPECT_EQ(Named("ShowQuotes").loaded, 0);
    EXPECT_EQ(Named("TexVideoMemLimit").loaded, 4096);
    EXPECT_EQ(Stored("Misc", "ShowQuotes"), "1");
}

}  // namespace
