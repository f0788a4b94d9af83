#include "CliFixture.h"

namespace {

using CliReportTest = CliFixture;

class CliReportDataTest : public CliFixture {
protected:
    void SetUp() override {
        CliFixture::SetUp();
        json({"add-account", "Checking", "--start-balance", "100", "--start-date", "2023-12-31"});
        json({"add-category-group", "Food"});
        json({"move-category", "Groceries", "--group", "Food"});
        json({"move-category", "Dining", "--group", "Food"});
        add("2024-01-05", "-30", "Groceries");
        add("2024-01-20", "-12.5", "Dining");
        add("2024-01-25", "-50", "Gas");
        add("2024-02-01", "1000", "Income");
        add("2024-02-03", "-7", "");
    }
    void add(const std::string& date, const std::string& amount, const std::string& category) {
        std::vector<std::string> arguments = {"add-transaction", "Checking", "--date", date,
                                              "--amount",        amount};
        if (!category.empty()) {
            arguments.insert(arguments.end(), {"--category", category});
        }
        json(arguments);
    }
};

std::vector<std::string> rowTexts(const nlohmann::json& breakdown) {
    std::vector<std::string> out;
    for (const auto& row : breakdown.at("rows")) {
        out.push_back(row.at("kind").get<std::string>() + " " + row.at("name").get<std::string>() +
                      " " + row.at("amount").get<std::string>());
    }
    return out;
}

TEST_F(CliReportDataTest, BreakdownListsGroupsLargestFirstAndKeepsTheSidebarTotals) {
    const nlohmann::json all =
        json({"report", "breakdown", "--from", "2024-01-01", "--to", "2024-02-29"});
    EXPECT_EQ(rowTexts(all), (std::vector<std::string>{"category Gas 50.00", "group Food 42.50",
                                                       "uncategorized Uncategorized 7.00"}));
    EXPECT_EQ(all.at("total"), "99.50");
    EXPECT_EQ(all.at("expenseTotal"), "-99.50");
    EXPECT_EQ(all.at("incomeTotal"), "1000.00");
    EXPECT_EQ(all.at("savings"), "900.50");
    const nlohmann::json food = json(
        {"report", "breakdown", "--from", "2024-01-01", "--to", "2024-01-31", "--group", "food"});
    EXPECT_EQ(rowTexts(food),
              (std::vector<std::string>{"category Groceries 30.00", "category Dining 12.50"}));
    EXPECT_EQ(food.at("incomeTotal"), "0.00");
    EXPECT_EQ(json({"report", "breakdown", "--from", "2024-01-01", "--to", "2024-12-31", "--side",
                    "income"})
                  .at("rows")
                  .size(),
              1u);
}

TEST_F(CliReportDataTest, RangePeriodsAndTrendsFollowTheData) {
    const nlohmann::json range = json({"report", "range"});
    EXPECT_EQ(range.at("from"), "2024-01-05");
    EXPECT_EQ(range.at("to"), "2024-03-10");
    EXPECT_EQ(json({"report", "periods"}).at("years")[0].at("items"),
              nlohmann::json({"Entire Year", "-", "March", "February", "January"}));

    const nlohmann::json balance = json({"report", "trends", "balance"});
    ASSERT_EQ(balance.at("points").size(), 3u);
    EXPECT_EQ(balance.at("points")[2].at("date"), "2024-03-10");
    EXPECT_EQ(balance.at("points")[2].at("value"), "1000.50");
    EXPECT_EQ(balance.at("signsAreInverted"), false);
    EXPECT_EQ(balance.at("grid").size(), 6u);
    const nlohmann::json expense = json({"report", "trends", "expense"});
    EXPECT_EQ(expense.at("points")[0].at("value"), "92.50");
    EXPECT_EQ(expense.at("signsAreInverted"), true);
    EXPECT_EQ(json({"report", "trends", "category:gas"}).at("series"), "category:Gas");
}

TEST_F(CliReportTest, BadReportArgumentsAreRefused) {
    json({"accounts"});
    expectRefused({"report", "breakdown", "--from", "2024-02-01", "--to", "2024-01-01"}, 2,
                  "--to must not be before --from");
    expectRefused({"report", "breakdown", "--from", "2024-02-01"}, 2, "--from D and --to D");
    expectRefused({"report", "trends", "weather"}, 2, "report trends expects");
    expectRefused({"report", "trends", "category:Nope"}, 1, "No category is named \"Nope\".");
}

}  // namespace
