#include <gtest/gtest.h>

#include "base/AssertionFailure.h"
#include "budgets/Budget.h"
#include "ledger/Account.h"
#include "ledger/AccountsRoot.h"
#include "ledger/Transaction.h"
#include "scheduled/ScheduledItem.h"
#include "session/ApplicationModel.h"
#include "session/SampleDates.h"
#include "store/ObjectContext.h"

namespace {

Date d(int year, int month, int day) {
    return Date::dateWithYear_PN(year, month, day);
}

// A sample in memory: one account with transactions on `dates`, `budgets` budgets and
// scheduled items due on `dueDates`.
struct Sample {
    Sample(const std::vector<Date>& dates, int budgets, const std::vector<Date>& dueDates = {}) {
        auto* account = context.insert<Account>();
        account->moveTo(&AccountsRoot::setup(context), 0);
        account->setName("Checking");
        for (Date date : dates) {
            transactions.push_back(account->createTransactionWithDate(
                date, std::string("T"), Decimal(-5), nullptr, std::nullopt, std::nullopt));
        }
        for (int i = 0; i < budgets; ++i) {
            auto* budget = context.insert<Budget>();
            budget->setName("Old Budget");
            budget->setStartDate(d(2020, 1, 1));
        }
        for (Date due : dueDates) {
            auto* item = context.insert<ScheduledItem>();
            item->setTitle("Bill");
            item->setAccount(account);
            item->setNextDueDate(due);
            items.push_back(item);
        }
    }

    ObjectContext context{ApplicationModel::shared()};
    std::vector<Transaction*> transactions;
    std::vector<ScheduledItem*> items;
};

TEST(SampleDates, TransactionsMoveByWholeMonthsUpToTodaysMonth) {
    struct Case {
        const char* name;
        Date today;
        std::vector<Date> dates;     // the latest decides the shift
        std::vector<Date> expected;  // in the same order
    };
    const Case cases[] = {
        {"latest already in this month: shift 0",
         d(2026, 3, 15),
         {d(2026, 3, 31), d(2026, 1, 31)},
         {d(2026, 3, 31), d(2026, 1, 31)}},
        {"the 31st into a 30-day month",
         d(2026, 4, 10),
         {d(2026, 3, 31), d(2026, 1, 31)},
         {d(2026, 4, 30), d(2026, 2, 28)}},
        {"across a year, into a leap February",
         d(2028, 2, 1),
         {d(2027, 12, 31), d(2027, 11, 30)},
         {d(2028, 2, 29), d(2028, 1, 30)}},
        {"a clock set back moves the sample back",
         d(2025, 11, 3),
         {d(2025, 12, 19)},
         {d(2025, 11, 19)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Sample sample(c.dates, 1);
        SampleDates::updateDateOnSampleData(sample.context, c.today);
        for (std::size_t i = 0; i < c.expected.size(); ++i) {
            EXPECT_EQ(sample.transactions[i]->date(), c.expected[i]) << "transaction " << i;
        }
    }
}

// The budget is named for this year and starts last month; the earliest scheduled item falls
// due today and the others keep their distance from it.
TEST(SampleDates, BudgetAndScheduledItemsFollowToday) {
    Sample sample({d(2025, 12, 19)}, 1, {d(2026, 1, 15), d(2025, 12, 22), d(2025, 12, 26)});
    SampleDates::updateDateOnSampleData(sample.context, d(2026, 1, 8));
    Budget* budget = Budget::allInContext(sample.context).front();
    EXPECT_EQ(budget->name(), "2026 Budget");
    EXPECT_EQ(budget->startDate(), d(2025, 12, 1));
    EXPECT_EQ(sample.items[1]->nextDueDate(), d(2026, 1, 8));
    EXPECT_EQ(sample.items[2]->nextDueDate(), d(2026, 1, 12));
    EXPECT_EQ(sample.items[0]->nextDueDate(), d(2026, 2, 1));
}

TEST(SampleDates, ASampleWithoutExactlyOneBudgetOrWithoutTransactionsIsAnInternalError) {
    Sample sample({d(2025, 12, 19)}, 0);
    EXPECT_THROW(SampleDates::updateDateOnSampleData(sample.context, d(2026, 3, 15)),
                 AssertionFailure);
    sample.context.insert<Budget>();
    sample.context.insert<Budget>();
    EXPECT_THROW(SampleDates::updateDateOnSampleData(sample.context, d(2026, 3, 15)),
                 AssertionFailure);
    Sample empty({}, 1);
    EXPECT_THROW(SampleDates::updateDateOnSampleData(empty.context, d(2026, 3, 15)),
                 AssertionFailure);
}

}  // namespace
