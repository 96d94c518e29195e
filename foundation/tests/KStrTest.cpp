#include "KStr.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <regex>
#include <string>

namespace {

std::string S(const KStr& s) {
    return s.Text();
}

TEST(KStrBuffer, DefaultIsEmptyWithUnknownLength) {
    KStr s;
    EXPECT_EQ(s.LengthField(), -1);
    EXPECT_EQ(s.Capacity(), 20);
    EXPECT_EQ(s.RefCount(), 1);
    EXPECT_EQ(s.Length(), 0);
    EXPECT_EQ(s.LengthField(), 0);
    EXPECT_STREQ(s.Text(), "");
}

TEST(KStrBuffer, CapacityIsSixteenKPlusFourAndAtLeastTheRequest) {
    struct Case {
        int textLength;
        int capacity;
    } cases[] = {{0, 4}, {3, 4}, {4, 20}, {19, 20}, {20, 36}, {35, 36}, {36, 52}};
    for (const Case& c : cases) {
        KStr s(std::string(c.textLength, 'x').c_str());
        EXPECT_EQ(s.Capacity(), c.capacity) << "text length " << c.textLength;
        EXPECT_EQ(s.LengthField(), c.textLength);
    }
}

TEST(KStrSharing, CopiesShareUntilOneChanges) {
    KStr a("abc");
    {
        KStr b(a);
        KStr c;
        c = a;
        EXPECT_EQ(a.Text(), b.Text());
        EXPECT_EQ(a.Text(), c.Text());
        EXPECT_EQ(a.RefCount(), 3);
        b.SetAt(0, 'x');
        EXPECT_EQ(S(b), "xbc");
        EXPECT_EQ(S(a), "abc");
        EXPECT_NE(a.Text(), b.Text());
        EXPECT_EQ(a.RefCount(), 2);
        EXPECT_EQ(b.RefCount(), 1);
    }
    EXPECT_EQ(a.RefCount(), 1);
    a = a;
    EXPECT_EQ(a.RefCount(), 1);
    EXPECT_EQ(S(a), "abc");
}

// Every writer must leave a sharer of its old buffer untouched.
TEST(KStrSharing, EveryWriterDetaches) {
    const std::function<void(KStr&)> writers[] = {
        [](KStr& s) { s.SetAt(1, 'x'); },   [](KStr& s) { s += "x"; },
        [](KStr& s) { s.Insert(1, 'x'); },  [](KStr& s) { s.Insert(1, "xy"); },
        [](KStr& s) { s.Delete(1, 1); },    [](KStr& s) { s.Replace("b", "x"); },
        [](KStr& s) { s.Format("%d", 7); }, [](KStr& s) { s.TrimLeft('a'); },
        [](KStr& s) { s.TrimRight("cd"); }, [](KStr& s) { s = "other"; },
    };
    for (const auto& write : writers) {
        KStr original("abcd");
        KStr copy(original);
        write(copy);
        EXPECT_EQ(S(original), "abcd");
        EXPECT_EQ(original.RefCount(), 1);
        EXPECT_NE(S(copy), "abcd");
    }
}

TEST(KStrAccess, SetAtZeroShortensAndLengthIsRescanned) {
    KStr s("abcd");
    s.SetAt(2, '\0');
    EXPECT_EQ(s.LengthField(), -1);
    EXPECT_EQ(s.Length(), 2);
    EXPECT_EQ(s.LengthField(), 2);
    EXPECT_EQ(s, KStr("ab"));
}

TEST(KStrAccess, DumpPrintsHeaderAndText) {
    KStr s("abc");
    testing::internal::CaptureStdout();
    s.Dump();
    const std::string line = testing::internal::GetCapturedStdout();
    // Text-mode standard output on Windows ends the line with "\r\n".
    const std::regex expected(
        "KStr\\[[0-9a-f]{8,},RC\\(1\\),Cap\\(4\\),Len\\(3\\),Txt\\([0-9a-f]{8,},abc\\)\\]\r?\n");
    EXPECT_TRUE(std::regex_match(line, expected)) << line;
}

TEST(KStrExtract, MidLeftRightClampTheirBounds) {
    const KStr abc("abc");
    struct Case {
        KStr result;
        const char* expected;
    } cases[] = {
        {abc.Right(5), ""},   {abc.Right(2), "bc"},  {abc.Right(0), ""},   {abc.Left(5), "abc"},
        {abc.Left(0), ""},    {abc.Left(-1), ""},    {abc.Left(2), "ab"},  {abc.Mid(-1, 2), ""},
        {abc.Mid(-1), "abc"}, {abc.Mid(5), ""},      {abc.Mid(3), ""},     {abc.Mid(1), "bc"},
        {abc.Mid(1, 1), "b"}, {abc.Mid(1, 9), "bc"}, {abc.Mid(1, -1), ""}, {abc.Mid(3, 1), ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(S(c.result), c.expected);
        EXPECT_EQ(c.result.Length(), static_cast<int>(std::string(c.expected).size()));
    }
}

// Found by fuzzing: Right(INT_MIN) computed its start as Length() - INT_MIN, an overflow.
TEST(KStrExtract, IntLimitsClampLikeAnyCount) {
    const KStr abc("abc");
    EXPECT_EQ(S(abc.Right(INT_MIN)), "");
    EXPECT_EQ(S(abc.Right(INT_MAX)), "");
    EXPECT_EQ(S(abc.Left(INT_MIN)), "");
    EXPECT_EQ(S(abc.Left(INT_MAX)), "abc");
    EXPECT_EQ(S(abc.Mid(1, INT_MAX)), "bc");
    EXPECT_EQ(S(abc.Mid(INT_MAX)), "");
    EXPECT_EQ(S(abc.Mid(INT_MAX, INT_MIN)), "");
    EXPECT_EQ(S(abc.Mid(INT_MIN, INT_MAX)), "");
}

TEST(KStrSearch, FindSpanAndTrim) {
    const KStr banana("banana");
    EXPECT_EQ(banana.Find("an"), 1);
    EXPECT_EQ(banana.Find("an", 2), 3);
    EXPECT_EQ(banana.Find("an", 4), -1);
    EXPECT_EQ(banana.Find("b", -5), 0);
    EXPECT_EQ(banana.Find("a", 6), -1);
    EXPECT_EQ(KStr("").Find("", 0), -1);

    EXPECT_EQ(S(KStr("123abc").SpanIncluding("0123456789")), "123");
    EXPECT_EQ(S(KStr("123abc").SpanExcluding("cba")), "123");
    EXPECT_EQ(S(KStr("123abc").SpanIncluding("x")), "");

    struct Case {
        const char* text;
        std::function<void(KStr&)> trim;
        const char* expected;
    } cases[] = {
        {" \t ab \n", [](KStr& s) { s.TrimLeft(); }, "ab \n"},
        {" \t ab \n", [](KStr& s) { s.TrimRight(); }, " \t ab"},
        {"xxaxb", [](KStr& s) { s.TrimLeft('x'); }, "axb"},
        {"axbxx", [](KStr& s) { s.TrimRight('x'); }, "axb"},
        {"yxayb", [](KStr& s) { s.TrimLeft("xy"); }, "ayb"},
        {"abxyyx", [](KStr& s) { s.TrimRight("xy"); }, "ab"},
        {"xyx", [](KStr& s) { s.TrimRight("xy"); }, ""},
        {"   ", [](KStr& s) { s.TrimLeft(); }, ""},
        {"abc", [](KStr& s) { s.TrimRight('\0'); }, "abc"},
    };
    for (Case& c : cases) {
        KStr s(c.text);
        c.trim(s);
        EXPECT_EQ(S(s), c.expected) << "from \"" << c.text << '"';
    }
}

TEST(KStrEdit, DeleteClampsAndReturnsTheNewLength) {
    struct Case {
        int at, count;
        const char* expected;
    } cases[] = {{1, 0, "abcd"}, {1, -3, "abcd"}, {1, 10, "a"},   {1, 2, "ad"},
                 {-2, 1, "bcd"}, {4, 1, "abcd"},  {9, 1, "abcd"}, {3, 1, "abc"}};
    for (const Case& c : cases) {
        KStr s("abcd");
        EXPECT_EQ(s.Delete(c.at, c.count), static_cast<int>(std::string(c.expected).size()));
        EXPECT_EQ(S(s), c.expected) << "Delete(" << c.at << ", " << c.count << ")";
    }
}

TEST(KStrEdit, InsertClampsItsPosition) {
    KStr s("abc");
    EXPECT_EQ(s.Insert(99, 'x'), 4);
    EXPECT_EQ(S(s), "abcx");
    EXPECT_EQ(s.Insert(-5, 'y'), 5);
    EXPECT_EQ(S(s), "yabcx");
    EXPECT_EQ(s.Insert(1, "12"), 7);
    EXPECT_EQ(S(s), "y12abcx");
    EXPECT_EQ(s.Insert(2, ""), 0);
    EXPECT_EQ(s.Insert(2, nullptr), 0);
    EXPECT_EQ(S(s), "y12abcx");
    // A text from the string's own buffer, inserted into a buffer that must grow.
    KStr full(std::string(19, 'a').append("b").c_str());
    full.Insert(0, full.Text() + 19);
    EXPECT_EQ(S(full), "b" + std::string(19, 'a') + "b");
}

TEST(KStrEdit, ReplaceEveryNonOverlappingMatch) {
    const std::string z40(40, 'z');
    struct Case {
        std::string text, oldText, newText, expected;
    } cases[] = {
        {"banana", "a", "xy", "bxynxynxy"}, {"banana", "", "x", "banana"},
        {"aaa", "aa", "b", "ba"},           {"xaxbx", "x", "", "ab"},
        {"banana", "q", "x", "banana"},     {"abc", "abc", "", ""},
        {"ab", "b", z40, "a" + z40},
    };
    for (const Case& c : cases) {
        KStr s(c.text.c_str());
        s.Replace(c.oldText.c_str(), c.newText.c_str());
        EXPECT_EQ(S(s), c.expected) << c.text << ": " << c.oldText << " -> " << c.newText;
        EXPECT_EQ(s.Length(), static_cast<int>(c.expected.size()));
    }
    // Both texts taken from the string's own buffer stay readable while it is rebuilt.
    KStr s("abcabc");
    s.Replace(s.Text() + 4, s.Text());
    EXPECT_EQ(S(s), "aabcabcaabcabc");
}

TEST(KStrConcat, JoinsIntoANewExactBuffer) {
    const KStr a("abc");
    const KStr b("defg");
    EXPECT_EQ(S(a + b), "abcdefg");
    EXPECT_EQ(S(a + "xy"), "abcxy");
    EXPECT_EQ(S("xy" + a), "xyabc");
    EXPECT_EQ((a + std::string(17, 'z').c_str()).Capacity(), 36);
    EXPECT_EQ(S(a), "abc");
    EXPECT_EQ(a.RefCount(), 1);

    const KStr withZero = a + '\0';
    EXPECT_EQ(S(withZero), "abc");
    EXPECT_EQ(withZero.Text(), a.Text());

    const KStr prefixed = 'x' + a;
    EXPECT_EQ(prefixed.Length(), 4);
    EXPECT_EQ(prefixed.GetAt(4), '\0');
    EXPECT_EQ(S(prefixed), "xabc");
    EXPECT_EQ(S(a + 'd'), "abcd");
    EXPECT_EQ(('\0' + a).Length(), 0);
}

TEST(KStrConcat, AppendingFromTheOwnBuffer) {
    KStr s("abc");
    s += s;
    EXPECT_EQ(S(s), "abcabc");
    EXPECT_EQ(s.Length(), 6);
    // 19 characters fill capacity 20, so this append has to move the buffer.
    KStr full(std::string(19, 'a').c_str());
    full += full.Text() + 17;
    EXPECT_EQ(S(full), std::string(21, 'a'));
    EXPECT_EQ(full.Capacity(), 36);
    KStr shared(full);
    full += shared;
    EXPECT_EQ(full.Length(), 42);
    EXPECT_EQ(shared.Length(), 21);
}

TEST(KStrFormat, PrintsNumbersAndCutsLongOutput) {
    EXPECT_EQ(S(KStr("%d MB RAM", 256)), "256 MB RAM");
    EXPECT_EQ(S(KStr("%g", 1e6)), "1e+06");
    EXPECT_EQ(S(KStr("%g", 1234567.0)), "1.23457e+06");
    EXPECT_EQ(S(KStr("%g", 42.0)), "42");
    EXPECT_EQ(S(KStr("%g", -3.0)), "-3");

    const std::string longText(5000, 'q');
    const KStr cut("%s", longText.c_str());
    EXPECT_EQ(cut.Length(), KStr::kFormatLimit);
    EXPECT_EQ(S(cut), longText.substr(0, KStr::kFormatLimit));
    const std::string exact(KStr::kFormatLimit, 'e');
    EXPECT_EQ(S(KStr("%s", exact.c_str())), exact);

    KStr s;
    s.Format("%s", longText.c_str());
    EXPECT_EQ(s.Length(), KStr::kFormatLimit);
    s.Format("%d", 5);  // the buffer shrinks to the new need
    EXPECT_EQ(S(s), "5");
    EXPECT_EQ(s.Capacity(), 4);
    s.Format("%s!", s.Text());
    EXPECT_EQ(S(s), "5!");
}

TEST(KStrCompare, EqualityAndOrder) {
    struct Case {
        const char* a;
        const char* b;
        bool equal;
        bool greater;
    } cases[] = {
        {"abcd", "abce", false, false},
        {"", "", true, false},
        {"abc", "abd", false, false},
        {"abcd", "abcd", true, false},
        {"Abcdefgh", "abcdefgh", false, false},
        {"abc", "abcd", false, false},
        {"abcd", "abc", false, true},
        {"b", "abc", false, true},
        {"\xe4", "z", false, true},
        {"xyz1", "abz1", false, true},
    };
    for (const Case& c : cases) {
        const KStr a(c.a);
        const KStr b(c.b);
        EXPECT_EQ(a == b, c.equal) << c.a << " == " << c.b;
        EXPECT_EQ(a != b, !c.equal) << c.a << " != " << c.b;
        EXPECT_EQ(a == c.b, c.equal) << c.a << " == char* " << c.b;
        EXPECT_EQ(a > b, c.greater) << c.a << " > " << c.b;
    }
    KStr changed("abc");
    changed.SetAt(1, '\0');
    EXPECT_TRUE(changed == KStr("a"));  // the length cache is refreshed before comparing
}

TEST(KStrCase, NoCaseComparisonAndConvertedCopies) {
    const KStr hello("Hello_1");
    EXPECT_EQ(hello.CompareNoCase("hELLO_1"), 0);
    EXPECT_LT(KStr("a").CompareNoCase("B"), 0);
    EXPECT_GT(KStr("abc").CompareNoCase("AB"), 0);
    EXPECT_LT(KStr("_").CompareNoCase("A"), 0);  // folds to lower case, where '_' < 'a'
    EXPECT_EQ(S(hello.Upper()), "HELLO_1");
    EXPECT_EQ(S(hello.Lower()), "hello_1");
    EXPECT_EQ(S(hello.Reversed()), "1_olleH");
    EXPECT_EQ(S(KStr("").Reversed()), "");
    EXPECT_EQ(S(hello), "Hello_1");
    EXPECT_EQ(hello.RefCount(), 1);
}

TEST(KStrNull, NullTextsReadAsEmpty) {
    KStr s(static_cast<const char*>(nullptr));
    EXPECT_EQ(s.Length(), 0);
    s += static_cast<const char*>(nullptr);
    s = static_cast<const char*>(nullptr);
    EXPECT_TRUE(s == static_cast<const char*>(nullptr));
    EXPECT_EQ(s.Find(nullptr), -1);
}

}  // namespace
