#include "reports/TrendFigures.h"

#include <algorithm>
#include <optional>
#include <unordered_map>

#include "base/AssertionFailure.h"
#include "ledger/Account.h"
#include "ledger/Category.h"
#include "ledger/LedgerSums.h"
#include "ledger/Split.h"
#include "ledger/Transaction.h"

namespace {

using Windows = std::vector<TrendSeries::Window>;

// The index of the window holding `date`, if any.
std::optional<std::size_t> windowOf(const Windows& windows, Date date) {
    auto after =
        std::upper_bound(windows.begin(), windows.end(), date,
                         [](Date d, const TrendSeries::Window& w) { return d < w.fromDate; });
    if (after == windows.begin()) {
        return std::nullopt;
    }
    const auto index = static_cast<std::size_t>(after - windows.begin() - 1);
    if (date > windows[index].date) {
        return std::nullopt;
    }
    return index;
}

void checkOrdered(const Windows& windows) {
    for (std::size_t i = 0; i < windows.size(); ++i) {
        PN_ASSERT(windows[i].fromDate <= windows[i].date, "A window must not end before it starts");
        PN_ASSERT(i == 0 || windows[i - 1].date < windows[i].fromDate,
                  "Windows must be ordered and must not overlap");
    }
}

// Per window, the net amount of every category (nullptr: the uncategorized splits); then the
// sum of the nets on one side.
std::vector<Decimal> sideTotals(const Windows& windows, ObjectContext& context, bool income) {
    checkOrdered(windows);
    std::vector<std::unordered_map<const Category*, Decimal>> nets(windows.size());
    context.forEachObject(Split::entityDescription(), [&](ManagedObject& object) {
        const auto& split = static_cast<const Split&>(object);
        if (split.transaction() == nullptr) {
            return true;
        }
        if (auto index = windowOf(windows, split.transaction()->date())) {
            nets[*index][split.category()] += split.amountInHomeCurrency();
        }
        return true;
    });
    std::vector<Decimal> totals(windows.size());
    for (std::size_t i = 0; i < windows.size(); ++i) {
        for (const auto& [category, amount] : nets[i]) {
            if ((amount.sign() > 0) == income) {
                totals[i] += amount;
            }
        }
    }
    return totals;
}

}  // namespace

std::vector<Decimal> TrendFigures::incomeTotals(const Windows& windows, ObjectContext& context) {
    return sideTotals(windows, context, true);
}

std::vector<Decimal> TrendFigures::expenseTotals(const Windows& windows, ObjectContext& context) {
    return sideTotals(windows, context, false);
}

std::vector<Decimal> TrendFigures::categoryAmounts(const Windows& windows,
                                                   const Category& category) {
    checkOrdered(windows);
    std::vector<Decimal> amounts(windows.size());
    for (const Split* split : category.splits()) {
        if (split->transaction() == nullptr) {
            continue;
        }
        if (auto index = windowOf(windows, split->transaction()->date())) {
            amounts[*index] += split->amountInHomeCurrency();
        }
    }
    return amounts;
}

std::vector<Decimal> TrendFigures::overallBalances(const Windows& windows, ObjectContext& context) {
    std::vector<Decimal> totals(windows.size());
    for (const Account* account : Account::allInContext(context)) {
        // Amounts in date order, so each window's balance is a prefix sum.
        std::vector<std::pair<Date, Decimal>> moves;
        moves.reserve(account->transactions().size());
        for (const Transaction* transaction : account->transactions()) {
            moves.emplace_back(transaction->date(), transaction->amount());
        }
        std::sort(moves.begin(), moves.end(),
                  [](const auto& a, const auto& b) { return a.first < b.first; });
        Decimal balance = account->startBalance();
        std::size_t next = 0;
        std::vector<std::size_t> order(windows.size());
        for (std::size_t i = 0; i < order.size(); ++i) {
            order[i] = i;
        }
        std::sort(order.begin(), order.end(),
                  [&](std::size_t a, std::size_t b) { return windows[a].date < windows[b].date; });
        for (std::size_t i : order) {
            while (next < moves.size() && moves[next].first <= windows[i].date) {
                balance += moves[next++].second;
            }
            totals[i] += LedgerSums::toHomeCurrency(*account, balance);
        }
    }
    return totals;
}

std::vector<TrendSeries::DataPoint> TrendFigures::series(TrendSeries::Kind kind,
                                                         const Category* category,
                                                         const DateRange& range,
                                                         ObjectContext& context) {
    const Windows windows = TrendSeries::windows(kind, range);
    std::vector<Decimal> values;
    switch (kind) {
        case TrendSeries::Kind::Balance:
            values = overallBalances(windows, context);
            break;
        case TrendSeries::Kind::Income:
            values = incomeTotals(windows, context);
            break;
        case TrendSeries::Kind::Expense:
            values = expenseTotals(windows, context);
            break;
        case TrendSeries::Kind::Category:
            PN_ASSERT(category != nullptr, "A category series needs its category");
            values = categoryAmounts(windows, *category);
            break;
    }
    std::size_t index = 0;
    return TrendSeries::build(kind, range,
                              [&](const TrendSeries::Window&) { return values.at(index++); });
}
