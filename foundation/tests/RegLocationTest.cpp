#include <gtest/gtest.h>

#include "KRegLocation.h"

namespace {

TEST(RegLocationTest, SplitsRootAndKeyPath) {
    struct Case {
        const char* where;
        KRegRoot root;
        const char* keyPath;
    };
    const Case cases[] = {
        {"HKCU:Software/Harnwick/Krumbel", KRegRoot::CurrentUser, "Software\\Harnwick\\Krumbel"},
        {"HKLM:Software\\Harnwick/Krumbel", KRegRoot::LocalMachine, "Software\\Harnwick\\Krumbel"},
        {"HKCU:", KRegRoot::CurrentUser, ""},
        {"HKCU:a//b/", KRegRoot::CurrentUser, "a\\\\b\\"},
        // Only the exact five characters name a root; anything else is a file path.
        {"hkcu:Software/Harnwick/Krumbel", KRegRoot::None, ""},
        {"HKLM", KRegRoot::None, ""},
        {"HKCR:Software", KRegRoot::None, ""},
        {" HKCU:Software", KRegRoot::None, ""},
        {"", KRegRoot::None, ""},
        {nullptr, KRegRoot::None, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where ? c.where : "(null)");
        KRegLocation location = ParseRegLocation(c.where);
        EXPECT_EQ(location.root, c.root);
        EXPECT_EQ(RegRootOf(c.where), c.root);
        EXPECT_STREQ(location.keyPath.Text(), c.keyPath);
    }
}

}  // namespace
