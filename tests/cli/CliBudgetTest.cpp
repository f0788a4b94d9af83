#include "CliFixture.h"

namespace {

using CliBudgetTest = CliFixture;

TEST_F(CliBudgetTest, BudgetIsCreatedLimitedTrackedAndSummarized) {
    json({"add-account", "Checking", "--start-balance", "1000"});
    json({"add-transaction", "Checking", "--date", "2024-03-02", "--amount", "-40", "--category",
          "Groceries"});
    expectRefused({"budget", "create", "Spring", "--start", "2024-03-01", "--months", "2"}, 1,
                  "Are you sure you want to create a budget now?");
    json({"budget", "create", "Spring", "--start", "2024-03-01", "--months", "2", "--force"});
    // 100 a month over two months; then an income goal moves Income
    // (estimated at zero, so a spending limit) to the income side.
    const nlohmann::json limit =
        json({"budget", "set-limit", "Spring", "Groceries", "100", "--monthly"});
    EXPECT_EQ(limit.at("limit"), "-200.00");
    EXPECT_EQ(json({"budget", "set-limit", "spring", "Income", "500", "--income"}).at("movedSide"),
              true);

    const nlohmann::json shown = json({"budget", "show", "Spring"});
    EXPECT_EQ(shown.at("endDate"), "2024-04-30");
    EXPECT_EQ(shown.at("days"), 61);
    EXPECT_EQ(shown.at("timeRemaining"), "2 months left");
    EXPECT_EQ(shown.at("actualHeader"), "So far you've spent");
    EXPECT_EQ(shown.at("sidebar").at("summaryTitle"), "You'll Save");
    EXPECT_EQ(shown.at("sidebar").at("summary"), "300.00");
    EXPECT_EQ(shown.at("rows")[0].at("name"), "Groceries");
    EXPECT_EQ(shown.at("rows")[0].at("limit"), "200.00");
    EXPECT_EQ(shown.at("rows")[0].at("actual"), "-40.00");
    EXPECT_EQ(json({"budget", "show", "Spring", "--side", "income"}).at("total").at("limit"),
              "500.00");

    const nlohmann::json summary = json({"budget", "summary", "Spring"});
    EXPECT_EQ(summary.at("estimated").at("balance"), "1300.00");
    EXPECT_EQ(summary.at("actual").at("title"), "As of Today");
    EXPECT_EQ(summary.at("actual").at("expense"), "40.00");

    EXPECT_EQ(json({"budget", "edit", "Spring", "--name", "Later", "--start", "2024-04-01"})
                  .at("endDate"),
              "2024-05-31");
    expectRefused({"budget", "set-limit", "Later", "Groceries", "-5"}, 2, "never negative");
    expectRefused({"budget", "show", "Spring"}, 1, "No budget is named \"Spring\".");
    json({"budget", "create", "Other", "--force"});
    expectRefused({"budget", "edit", "Other", "--name", "LATER"}, 1, "exists already");
    json({"budget", "delete", "Later"});
    expectRefused({"budget", "summary", "Later"}, 1, "No budget is named");
}

// The pace needle's share is a single-precision number; the JSON shows its shortest decimal
// form, not the float widened to a double (0.30000001192092896).
TEST_F(CliBudgetTest, TodayPercentageIsPrintedAsAShortNumber) {
    json({"add-account", "Checking"});
    json({"budget", "create", "March", "--start", "2024-03-01", "--months", "1", "--force"});
    // 9 of the 30 days from 1 to 31 March have passed on the 10th.
    const ProcessResult shown = run({"budget", "show", "March", "--json"});
    ASSERT_EQ(shown.exitStatus, 0) << shown.err;
    EXPECT_NE(shown.out.find("\"todayPercentage\": 0.3,"), std::string::npos) << shown.out;
    EXPECT_EQ(nlohmann::json::parse(shown.out).at("todayPercentage").get<double>(), 0.3);
}

}  // namespace
