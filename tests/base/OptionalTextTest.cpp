#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "base/OptionalText.h"

namespace {

std::string describe(const OptionalText& text) {
    const std::optional<std::string_view> view = text.view();
    return view ? "\"" + std::string(*view) + "\"" : "unset";
}

// Lengths on both sides of the inline capacity, with bytes that are not ASCII and a NUL.
TEST(OptionalTextTest, HoldsEveryLengthAndKeepsUnsetApartFromEmpty) {
    const std::optional<std::string> kCases[] = {
        std::nullopt,
        std::string(),
        std::string("a"),
        std::string("fourteen bytes"),
        std::string("fifteen bytes!!"),
        std::string("sixteen bytes!!!"),
        std::string("Caf\xC3\xA9 na\xC3\xAFve \xE2\x9C\x93 and more"),
        std::string("nul\0inside", 10),
        std::string(70000, 'x'),
    };
    for (const std::optional<std::string>& value : kCases) {
        SCOPED_TRACE(value ? std::to_string(value->size()) + " bytes" : "unset");
        const OptionalText text(value ? std::optional<std::string_view>(*value) : std::nullopt);
        EXPECT_EQ(text.hasValue(), value.has_value());
        EXPECT_EQ(text.toOptionalString(), value);
        EXPECT_EQ(text == OptionalText(), !value.has_value());
        EXPECT_EQ(text == OptionalText(std::string_view()), value == std::string());
    }
    EXPECT_EQ(sizeof(OptionalText), 16U);
}

TEST(OptionalTextTest, CopiesAreDeepAndMovesEmptyTheSource) {
    for (const std::string& value : {std::string("short"), std::string(40, 'l')}) {
        SCOPED_TRACE(value);
        OptionalText original(value);
        OptionalText copy = original;
        original = std::string_view("changed after the copy was made");
        EXPECT_EQ(describe(copy), "\"" + value + "\"");

        OptionalText moved = std::move(copy);
        EXPECT_EQ(describe(moved), "\"" + value + "\"");
        EXPECT_EQ(describe(copy), "unset");  // a moved-from text is unset, as the header says

        OptionalText target(std::string(30, 't'));
        target = std::move(moved);
        EXPECT_EQ(describe(target), "\"" + value + "\"");
        const OptionalText& same = target;
        target = same;
        EXPECT_EQ(describe(target), "\"" + value + "\"");
        target = std::nullopt;
        EXPECT_EQ(describe(target), "unset");
    }
}

// A setter may be handed a view of the value it replaces.
TEST(OptionalTextTest, TakesAViewOfItsOwnText) {
    const std::pair<std::string, std::string> kCases[] = {
        {"inline text", "text"},
        {"a text long enough for the heap", "enough for the heap"},
        {"a text long enough for the heap", "heap"},
    };
    for (const auto& [value, tail] : kCases) {
        SCOPED_TRACE(value);
        OptionalText text(value);
        text = text.view()->substr(value.size() - tail.size());
        EXPECT_EQ(describe(text), "\"" + tail + "\"");
    }
}

}  // namespace
