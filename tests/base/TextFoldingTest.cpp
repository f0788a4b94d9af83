#include <gtest/gtest.h>

#include "base/TextFolding.h"

namespace {

TEST(TextFolding, IgnoresCaseAndDiacritics) {
    EXPECT_EQ(foldForComparison("Caf\xC3\xA9"), foldForComparison("CAFE"));
    EXPECT_EQ(foldForComparison("Stra\xC3\x9F"
                                "e"),
              foldForComparison("STRASSE"));
    EXPECT_NE(foldForComparison("Cafe"), foldForComparison("Cafes"));
}

TEST(TextFolding, LikeMatchesWholeStringsWithWildcards) {
    struct Case {
        const char* text;
        const char* pattern;
        bool matches;
    } const cases[] = {
        {"Groceries", "groceries", true},
        {"Groceries", "Grocer", false},
        {"Groceries", "Groc*", true},
        {"Groceries", "*ries", true},
        {"Groceries", "G?oceries", true},
        {"Groceries", "G?ceries", false},
        {"New Account 2", "New Account *", true},
        {"", "*", true},
        {"", "?", false},
        {"\xC3\x89pargne", "epargne", true},
        {"abc", "a*b*c*", true},
        {"abc", "a*d", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " LIKE " + c.pattern);
        EXPECT_EQ(likeCD(c.text, c.pattern), c.matches);
    }
}

TEST(TextFolding, Contains) {
    EXPECT_TRUE(containsCD("Monthly R\xC3\xA9nt payment", "rent"));
    EXPECT_TRUE(containsCD("anything", ""));
    EXPECT_FALSE(containsCD("rent", "rents"));
}

}  // namespace
