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
    EXPECT_TRUE(HasSwitch(KStr("-advanced"), kSwitchAdvanced));
    EXPECT_FALSE(HasSwitch(KStr("-Advanced"), kSwitchAdvanced));
    EXPECT_TRUE(HasSwitch(KStr("x-automaticy"), kSwitchAutomatic));
    EXPECT_TRUE(HasSwitch(KStr("-bunt-defaults"), kSwitchDefaults));
    EXPECT_TRUE(HasSwitch(KStr("-bunt-defaults"), kSwitchBunt));
    EXPECT_FALSE(HasSwitch(KStr("-automati"), kSwitchAutomatic));
    EXPECT_FALSE(HasSwitch(KStr(""), kSwitchBunt));
}

}  // namespace
