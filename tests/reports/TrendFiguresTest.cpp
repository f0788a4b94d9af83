#include <gtest/gtest.h>

#include <map>
#include <random>

#include "ReportTestStore.h"
#include "base/Clock.h"
#include "ledger/Account.h"
#include "ledger/Category.h"
#include "ledger/CategoryGroup.h"
#include "ledger/Split.h"
#include "ledger/Transaction.h"
#include "reports/AccountReports.h"
#include "reports/TransactionReports.h"
#include "reports/TrendFigures.h"

namespace {

using S = ReportTestStore;

// Brute-force figures straight from the transactions, without the report code.
struct BruteForce {
    ObjectContext& context;

    // The net home-currency amounts per category (nullptr: uncategorized) over [from, to].
    std::map<const Category*, Decimal> nets(Date from, Date to) const {
        std::map<const Category*, Decimal> result;
        for (const Transaction* t :
             Transaction::findByPredicate([](const Transaction&) { return true; }, context)) {
            if (t->date() < from || t->date() > to) {
                continue;
            }
            for (const Split* split : t->splits()) {
                Decimal amount = t->splits().size() == 1 ? t->amount() : split->amount();
                if (t->account()->currency() != nullptr) {
                    // Rates in these stores are 4: a quarter, exact to the cent by construction.
                    amount = (amount / Decimal(4)).rounded(2);
                }
                result[split->category()] += amount;
            }
        }
        return result;
    }
    Decimal side(Date from, Date to, bool income) const {
        Decimal total;
        for (const auto& [category, amount] : nets(from, to)) {
            if ((amount.sign() > 0) == income) {
                total += amount;
            }
        }
        return total;
    }
};

TEST(TrendFigures, EqualTheDefinitionsOnRandomStores) {
    Clock::setFixedToday(S::day(2026, 3, 15));
    for (unsigned seed = 1; seed <= 4; ++seed) {
        SCOPED_TRACE(seed);
        ReportTestStore store;
        std::mt19937 random(seed);
        std::vector<Account*> accounts{store.account("A"), store.account("B"),
                                       store.account("F", store.currency("XYZ", "4"))};
        CategoryGroup* group = store.group("G");
        std::vector<Category*> categories{nullptr, store.category("C1"),
                                          store.category("C2", group), store.category("C3", group),
                                          store.category("C4")};
        auto pick = [&](std::size_t n) {
            return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
        };
        auto amount = [&] {
            return std::to_string(std::uniform_int_distribution<int>(-9000, 4000)(random)) + ".25";
        };
        for (int i = 0; i < 300; ++i) {
            const Date date = S::day(2025, 1, 1).daysLater_PN(static_cast<int>(pick(500)));
            std::string a1 = amount();
            std::string a2 = amount();
            if (pick(3) == 0) {
                store.addSplits(
                    accounts[pick(3)], date,
                    {{a1.c_str(), categories[pick(5)]}, {a2.c_str(), categories[pick(5)]}});
            } else {
                store.add(accounts[pick(3)], date, a1.c_str(), categories[pick(5)]);
            }
        }
        const DateRange range = TransactionReports::reportDateRange(store.context());
        const auto windows = TrendSeries::windows(TrendSeries::Kind::Income, range);
        const auto income = TrendFigures::incomeTotals(windows, store.context());
        const auto expense = TrendFigures::expenseTotals(windows, store.context());
        const auto c2 = TrendFigures::categoryAmounts(windows, *categories[2]);
        const BruteForce brute{store.context()};
        for (std::size_t i = 0; i < windows.size(); ++i) {
            SCOPED_TRACE(windows[i].date.toISOString());
            const Date from = windows[i].fromDate;
            const Date to = windows[i].date;
            EXPECT_EQ(income[i], brute.side(from, to, true));
            EXPECT_EQ(expense[i], brute.side(from, to, false));
            EXPECT_EQ(income[i], AccountReports::incomeTotalFromDate(from, to, store.context()));
            EXPECT_EQ(c2[i], brute.nets(from, to)[categories[2]]);
        }
        const auto balanceWindows = TrendSeries::windows(TrendSeries::Kind::Balance, range);
        const auto balances = TrendFigures::overallBalances(balanceWindows, store.context());
        for (std::size_t i = 0; i < balanceWindows.size(); ++i) {
            EXPECT_EQ(balances[i],
                      Account::overallBalanceOnDate(balanceWindows[i].date, store.context()));
        }
    }
    Clock::reset();
}

}  // namespace
