#include <gtest/gtest.h>

#include <string>

#include "budgets/TrackResultBuilder.h"

namespace {

Decimal dec(const char* text) {
    return Decimal::fromString(text);
}

TrackRow category(const char* name, const char* limit, const char* actual) {
    TrackRow row = TrackRow::named(name, TrackRow::Type::Category);
    row.limit = dec(limit);
    row.actual = dec(actual);
    return row;
}

// The result as one line: "name limit/actual" per row, groups with their categories in [ ].
std::string render(const TrackRow& row) {
    std::string text = row.name + " " + row.limit.toString() + "/" + row.actual.toString();
    if (row.isGroup()) {
        text += " [";
        for (const TrackRow& child : row.categories) {
            text += " " + render(child);
        }
        text += " ]";
    }
    return text;
}

std::string render(const TrackResult& result) {
    std::string text;
    for (std::size_t i = 0; i < result.outlineRowCount(); ++i) {
        text += (i ? ", " : "") + render(result.outlineRow(i));
    }
    return text;
}

// Stand-ins for two category groups: only their identity matters.
const auto* const kHome = reinterpret_cast<const CategoryGroup*>(0x10);
const auto* const kCar = reinterpret_cast<const CategoryGroup*>(0x20);

TrackResult sample() {
    TrackResultBuilder builder;
    builder.addCategoryRow(category("Rent", "-1200", "-1200"), kHome, "Home");
    builder.addCategoryRow(category("Fuel", "-300", "-280.15"), kCar, "Car");
    builder.addCategoryRow(category("Dining", "-400", "-455.50"), nullptr, "");
    builder.addCategoryRow(category("Repairs", "-150", "-20"), kHome, "Home");
    builder.addUncategorizedRow(dec("12.25"));
    return builder.finish();
}

TEST(TrackResult, GroupsCollectTheirCategoriesAndSumsAreFilled) {
    EXPECT_EQ(render(sample()),
              "Home -1350/-1220 [ Rent -1200/-1200 Repairs -150/-20 ], "
              "Car -300/-280.15 [ Fuel -300/-280.15 ], Dining -400/-455.5, "
              "Uncategorized 0/12.25, Total -2050/-1943.4");
    EXPECT_EQ(TrackRow::typeName(sample().progress[3].type), "uncategorized");
}

TEST(TrackResult, AnEmptySideHasOnlyAZeroTotal) {
    TrackResult result = TrackResultBuilder().finish();
    EXPECT_EQ(render(result), "Total 0/0");
}

TEST(TrackResult, SortsByAbsoluteLimitInsideGroupsTooWithTheTotalLast) {
    TrackResult result = sample();
    result.sortByAbsoluteLimit(false);
    EXPECT_EQ(render(result),
              "Home -1350/-1220 [ Rent -1200/-1200 Repairs -150/-20 ], Dining -400/-455.5, "
              "Car -300/-280.15 [ Fuel -300/-280.15 ], Uncategorized 0/12.25, "
              "Total -2050/-1943.4");
    result.sortByAbsoluteLimit(true);
    EXPECT_EQ(render(result),
              "Uncategorized 0/12.25, Car -300/-280.15 [ Fuel -300/-280.15 ], "
              "Dining -400/-455.5, Home -1350/-1220 [ Repairs -150/-20 Rent -1200/-1200 ], "
              "Total -2050/-1943.4");
}

TEST(TrackResult, RemovingAMovedLimitAndResummarizing) {
    struct Case {
        const char* name;
        std::size_t top;
        int child;  // -1: the top-level row itself
        const char* after;
    } const cases[] = {
        {"inside a group", 0, 1,
         "Home -1200/-1200 [ Rent -1200/-1200 ], Car -300/-280.15 [ Fuel -300/-280.15 ], "
         "Dining -400/-455.5, Uncategorized 0/12.25, Total -1900/-1923.4"},
        {"last of its group", 1, 0,
         "Home -1350/-1220 [ Rent -1200/-1200 Repairs -150/-20 ], Dining -400/-455.5, "
         "Uncategorized 0/12.25, Total -1750/-1663.25"},
        {"at top level", 2, -1,
         "Home -1350/-1220 [ Rent -1200/-1200 Repairs -150/-20 ], "
         "Car -300/-280.15 [ Fuel -300/-280.15 ], Uncategorized 0/12.25, "
         "Total -1650/-1487.9"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TrackResult result = sample();
        TrackRow& top = result.progress[c.top];
        (c.child < 0 ? top : top.categories[static_cast<std::size_t>(c.child)]).shouldRemove = true;
        EXPECT_TRUE(result.removeLimitMarkedForRemoval());
        result.summarizeTrackResult();
        EXPECT_EQ(render(result), c.after);
        EXPECT_FALSE(result.removeLimitMarkedForRemoval());
    }
}

}  // namespace
