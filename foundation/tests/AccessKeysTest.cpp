#include <gtest/gtest.h>

#include "AccessKeys.h"

namespace {

TEST(AccessKeys, TheLetterAfterTheFirstLoneMark) {
    EXPECT_EQ(AccessKeyOf("&Save"), 'S');
    EXPECT_EQ(AccessKeyOf("Lan&guage"), 'G');
    EXPECT_EQ(AccessKeyOf("Tom && Ann &load"), 'L') << "\"&&\" is an \"&\" of the text";
    EXPECT_EQ(AccessKeyOf("Par &d\xE9"
                          "faut"),
              'D');
    for (const char* none :
         {"OK", "Tom && Ann", "", "trailing &", static_cast<const char*>(nullptr)}) {
        EXPECT_EQ(AccessKeyOf(none), 0) << (none != nullptr ? none : "null");
    }
}

TEST(AccessKeys, TextAsItReads) {
    EXPECT_EQ(WithoutAccessKeyMark("&Save"), "Save");
    EXPECT_EQ(WithoutAccessKeyMark("Plein \xE9&cran"),
              "Plein \xE9"
              "cran");
    EXPECT_EQ(WithoutAccessKeyMark("Tom && Ann &&&& &Co"), "Tom & Ann && Co");
    EXPECT_EQ(WithoutAccessKeyMark("&&"), "&");
    EXPECT_EQ(WithoutAccessKeyMark("trailing &"), "trailing ");
    EXPECT_EQ(WithoutAccessKeyMark("Tcl Defines"), "Tcl Defines");
    EXPECT_EQ(WithoutAccessKeyMark(nullptr), "");
}

}  // namespace
