#include <gtest/gtest.h>

#include "base/StringHelpers.h"

namespace {

TEST(StringHelpers, BlankTexts) {
    // ASCII white space is \t to \r and the space; beyond ASCII, no-break, em and next-line
    // spaces are white space, a zero-width space is not.
    for (const char* blank :
         {"", " ", "\t\t", "\n\r\n", " \t\n", "\v\f", "\xC2\xA0", " \xE2\x80\x83 ", "\xC2\x85\t"}) {
        SCOPED_TRACE(blank);
        EXPECT_TRUE(isBlank_pn(blank));
        EXPECT_FALSE(isPresent_pn(blank));
    }
    for (const char* present : {" a ", "x", ".", "\tz\n", "\xC3\xA9", "\x01", "\x1C", "\x7F",
                                "\xE2\x80\x8B", " \xC2\xA0x", "\xFF", " \xC2"}) {
        SCOPED_TRACE(present);
        EXPECT_FALSE(isBlank_pn(present));
        EXPECT_TRUE(isPresent_pn(present));
    }
}

TEST(StringHelpers, FindsStringsFromAnIndex) {
    EXPECT_EQ(indexOfString_pn("<NAME>a<NAME>b", "<NAME>", CompareOptions::Literal, 1),
              (TextRange{7, 6}));
    EXPECT_EQ(indexOfString_pn("abc <Name>", "<NAME>", CompareOptions::CaseInsensitive, 0),
              (TextRange{4, 6}));
    EXPECT_FALSE(indexOfString_pn("abc", "<NAME>", CompareOptions::CaseInsensitive, 0).found());
    EXPECT_FALSE(indexOfString_pn("abc", "a", CompareOptions::Literal, 10).found());
    // Byte offsets stay right after multi-byte characters.
    EXPECT_EQ(indexOfString_pn("Caf\xC3\xA9 TAG", "tag", CompareOptions::CaseInsensitive, 0),
              (TextRange{6, 3}));
}

TEST(StringHelpers, CaseInsensitiveSearchSurvivesInvalidUTF8) {
    std::string text = "ab\xFF\xFE<memo>x";
    EXPECT_EQ(indexOfString_pn(text, "<MEMO>", CompareOptions::CaseInsensitive, 0),
              (TextRange{4, 6}));
    EXPECT_EQ(indexOfString_pn(text, "<MEMO>", CompareOptions::CaseInsensitive, 5).found(), false);
}

TEST(StringHelpers, FindsRegexWithoutRegardToCase) {
    EXPECT_EQ(indexOfRegex_pn("xx<stmttrn>yy", "<STMTTRN>", 0), (TextRange{2, 9}));
    EXPECT_EQ(indexOfRegex_pn("<a>1<A>2", "<a>", 1), (TextRange{4, 3}));
    EXPECT_FALSE(indexOfRegex_pn("abc", "d+", 0).found());
    EXPECT_FALSE(indexOfRegex_pn("abc", "(unbalanced", 0).found());
}

TEST(StringHelpers, CountedNouns) {
    EXPECT_EQ(countedNoun_pn(1, "transaction"), "1 transaction");
    EXPECT_EQ(countedNoun_pn(0, "transaction"), "0 transactions");
    EXPECT_EQ(countedNoun_pn(12, "day"), "12 days");
}

}  // namespace
