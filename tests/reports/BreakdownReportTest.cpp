#include <gtest/gtest.h>

#include "ReportTestStore.h"
#include "base/AssertionFailure.h"
#include "base/UserLocale.h"
#include "ledger/Category.h"
#include "ledger/CategoryGroup.h"
#include "ledger/Transaction.h"
#include "reports/BreakdownReport.h"

namespace {

using S = ReportTestStore;
using Kind = BreakdownReport::Level::Kind;

// A month of spending and income in three categories of one group and two on their own.
class BreakdownReportTest : public ::testing::Test {
protected:
    void SetUp() override {
        UserLocale::set("en_US");
        m_home = m_store.group("Home");
        m_rent = m_store.category("Rent", m_home);
        m_power = m_store.category("Power", m_home);
        m_refunds = m_store.category("Refunds", m_home);
        m_food = m_store.category("Food");
        m_salary = m_store.category("Salary");
        Account* checking = m_store.account("Checking");
        m_store.add(checking, S::day(2012, 3, 1), "-300", m_rent);
        m_store.add(checking, S::day(2012, 3, 2), "-150", m_food);
        m_store.add(checking, S::day(2012, 3, 3), "-50.25", m_power);
        m_store.add(checking, S::day(2012, 3, 4), "40", m_refunds);
        m_store.add(checking, S::day(2012, 3, 5), "1000", m_salary);
        m_twoUncategorized =
            m_store.addSplits(checking, S::day(2012, 3, 6), {{"-10", nullptr}, {"-15", nullptr}});
        m_store.add(checking, S::day(2012, 4, 6), "-999", m_food);
    }
    void TearDown() override { UserLocale::reset(); }

    static BreakdownPeriods::Period march() {
        return BreakdownPeriods::monthPeriod(S::day(2012, 3, 31));
    }
    // The page's rows as "title amount; ...".
    static std::string rowsText(const BreakdownReport::Page& page) {
        std::string text;
        for (const auto& row : page.rows) {
            text += row.title + " " + row.amountText + "; ";
        }
        return text;
    }
    static std::string crumbsText(const BreakdownReport& report) {
        std::string text;
        for (const auto& level : report.levels()) {
            text += (text.empty() ? "" : " > ") + level.title;
        }
        return text;
    }

    S m_store;
    CategoryGroup* m_home = nullptr;
    Category* m_rent = nullptr;
    Category* m_power = nullptr;
    Category* m_refunds = nullptr;
    Category* m_food = nullptr;
    Category* m_salary = nullptr;
    Transaction* m_twoUncategorized = nullptr;
};

TEST_F(BreakdownReportTest, RootListsGroupsAndCategoriesLargestFirstWithTotals) {
    BreakdownReport report(m_store.context(), march());
    BreakdownReport::Page page = report.page();
    EXPECT_FALSE(page.showsTransactions);
    EXPECT_EQ(rowsText(page), "Home $350.25; Food $150.00; Uncategorized $25.00; Total $525.25; ");
    EXPECT_EQ(page.maxAmount, S::dec("350.25"));
    EXPECT_EQ(page.rows.front().style, BreakdownReport::Row::Style::Group);
    EXPECT_EQ(page.rows[2].style, BreakdownReport::Row::Style::Uncategorized);
    EXPECT_EQ(page.rows.back().style, BreakdownReport::Row::Style::Total);
    EXPECT_EQ(page.totals.expense, S::dec("-525.25"));
    EXPECT_EQ(page.totals.income, S::dec("1040"));
    EXPECT_EQ(page.totals.overallSavings, S::dec("514.75"));

    report.switchToIncome();
    page = report.page();
    EXPECT_EQ(crumbsText(report), "Income");
    EXPECT_EQ(rowsText(page), "Salary $1,000.00; Home $40.00; Total $1,040.00; ");
    EXPECT_EQ(page.totals.expense, S::dec("-525.25"));
}

TEST_F(BreakdownReportTest, DrillsDownThroughAGroupToTransactionsAndBackThroughEveryCrumb) {
    BreakdownReport report(m_store.context(), march());
    report.clickedKey(BreakdownKey(m_home));
    EXPECT_EQ(crumbsText(report), "Expense > Home");
    BreakdownReport::Page page = report.page();
    EXPECT_EQ(rowsText(page), "Rent $300.00; Power $50.25; Total $350.25; ");
    EXPECT_EQ(page.totals.expense, S::dec("-525.25"));

    report.clickedKey(BreakdownKey(m_rent));
    EXPECT_EQ(crumbsText(report), "Expense > Home > Rent");
    page = report.page();
    ASSERT_TRUE(page.showsTransactions);
    ASSERT_EQ(page.transactions.size(), 1u);
    EXPECT_EQ(page.transactions[0]->amount(), S::dec("-300"));
    EXPECT_THROW(report.clickedKey(BreakdownKey(m_power)), AssertionFailure);

    report.clickedCrumb(1);
    EXPECT_EQ(crumbsText(report), "Expense > Home");
    EXPECT_FALSE(report.page().showsTransactions);
    report.clickedCrumb(0);
    EXPECT_EQ(crumbsText(report), "Expense");
    EXPECT_EQ(report.levels().back().kind, Kind::AllCategories);
    EXPECT_THROW(report.clickedCrumb(1), AssertionFailure);
}

TEST_F(BreakdownReportTest, UncategorizedListsEachTransactionOnce) {
    BreakdownReport report(m_store.context(), march());
    report.clickedKey(BreakdownKey(UncategorizedKey{}));
    EXPECT_EQ(crumbsText(report), "Expense > Uncategorized");
    const BreakdownReport::Page page = report.page();
    ASSERT_TRUE(page.showsTransactions);
    EXPECT_EQ(page.transactions, std::vector<Transaction*>{m_twoUncategorized});
}

TEST_F(BreakdownReportTest, ANewPeriodShowsTheExpenseRoot) {
    BreakdownReport report(m_store.context(), march());
    report.switchToIncome();
    report.clickedKey(BreakdownKey(m_salary));
    report.setPeriod(BreakdownPeriods::yearPeriod(2012));
    EXPECT_TRUE(report.showingExpense());
    EXPECT_EQ(crumbsText(report), "Expense");
    EXPECT_EQ(report.period().buttonTitle, "Year 2012");
    EXPECT_EQ(rowsText(report.page()),
              "Food $1,149.00; Home $350.25; Uncategorized $25.00; Total $1,524.25; ");
}

TEST_F(BreakdownReportTest, AnEmptySideHasNoRowsButItsTotalsStillShow) {
    BreakdownReport report(m_store.context(), BreakdownPeriods::monthPeriod(S::day(2012, 4, 30)));
    report.switchToIncome();
    const BreakdownReport::Page page = report.page();
    EXPECT_TRUE(page.rows.empty());
    EXPECT_EQ(page.totals.expense, S::dec("-999"));
    EXPECT_EQ(page.totals.income, S::dec("0"));
}

TEST_F(BreakdownReportTest, LevelsOfDeletedObjectsAreDropped) {
    BreakdownReport report(m_store.context(), march());
    report.clickedKey(BreakdownKey(m_home));
    report.clickedKey(BreakdownKey(m_rent));
    EXPECT_FALSE(report.dropDeletedLevels());
    m_store.context().deleteObject(*m_rent);
    EXPECT_TRUE(report.dropDeletedLevels());
    EXPECT_EQ(crumbsText(report), "Expense > Home");
    m_store.context().deleteObject(*m_home);
    EXPECT_TRUE(report.dropDeletedLevels());
    EXPECT_EQ(crumbsText(report), "Expense");
}

}  // namespace
