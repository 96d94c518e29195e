#include <gtest/gtest.h>

#include "CommandLine.h"

namespace {

TEST(CommandLine, ArgumentTextLeavesOutTheProgramPath) {
    struct {
        const char* commandLine;
        const char* arguments;
    } cases[] = {
        {"C:\\Games\\Quorvel.exe -advanced", "-advanced"},
        {"\"C:\\My -bunt Games\\Quorvel.exe\" -defaults  -automatic", "-defaults  -automatic"},
        {"\"C:\\My -bunt Games\\Quorvel.exe\"", ""},
        {"C:\\-bunt\\Quorvel.exe", ""},
        {"Quorvel.exe\t \t-x", "-x"},
        {"\"unterminated -bunt", ""},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_STREQ(ArgumentText(c.commandLine).Text(), c.arguments) << c.commandLine;
    }
    EXPECT_STREQ(ArgumentText(nullptr).Text(), "");
}

TEST(CommandLine, SwitchesAreCaseSensitiveSubstrings) {
    EXPECT_TRUE(ParseSwitches(KStr("-advanced")).advanced);
    EXPECT_FALSE(ParseSwitches(KStr("-Advanced")).advanced);
    EXPECT_TRUE(ParseSwitches(KStr("x-automaticy")).automatic);
    const Switches glued = ParseSwitches(KStr("-bunt-defaults"));
    EXPECT_TRUE(glued.defaults);
    EXPECT_TRUE(glued.bunt);
    EXPECT_FALSE(glued.advanced || glued.automatic);
    EXPECT_FALSE(ParseSwitches(KStr("-automati")).automatic);
    const Switches none = ParseSwitches(KStr(""));
    EXPECT_FALSE(none.advanced || none.bunt || none.defaults || none.automatic);
}

}  // namespace
