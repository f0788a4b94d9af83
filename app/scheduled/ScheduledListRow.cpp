#include "scheduled/ScheduledListRow.h"

#include <algorithm>
#include <map>

#include "base/AssertionFailure.h"
#include "ledger/Account.h"
#include "ledger/Currency.h"
#include "ledger/CurrencyFormatter.h"
#include "scheduled/DueDateTexts.h"
#include "scheduled/ScheduledItem.h"

namespace {

// The key of an account's amount formatter: its currency's code, or "" for the home currency.
std::string currencyKey(const Account& account) {
    return account.isForeign() ? account.currency()->code() : std::string();
}

ScheduledListRow rowWith(const ScheduledItem& item, Date today,
                         const CurrencyFormatter& formatter) {
    ScheduledListRow row;
    row.title = item.title();
    row.repeats = item.repeats();
    row.isTransfer = item.isTransfer();
    row.dueDateText = dueDateCellText(item.nextDueDate(), today);
    row.isDue = item.dueState().shouldColorRed(today);
    row.amountText = formatter.stringFromDecimal(item.amount());
    row.amountColor =
        item.isDeposit() ? ScheduledListRow::kDepositColor : ScheduledListRow::kPaymentColor;
    row.actionTitle = ScheduledListRow::verbFor(item);
    return row;
}

const Account& accountOf(const ScheduledItem& item) {
    PN_ASSERT(item.account() != nullptr, "A scheduled transaction without an account");
    return *item.account();
}

}  // namespace

ScheduledListRow ScheduledListRow::forItem(const ScheduledItem& item, Date today) {
    return rowWith(item, today, CurrencyFormatter::formatterForAccount(accountOf(item)));
}

std::vector<ScheduledListRow> ScheduledListRow::rowsFor(const std::vector<ScheduledItem*>& items,
                                                        Date today) {
    std::map<std::string, CurrencyFormatter> formatters;
    std::vector<ScheduledListRow> rows;
    rows.reserve(items.size());
    for (const ScheduledItem* item : items) {
        const Account& account = accountOf(*item);
        auto found = formatters.find(currencyKey(account));
        if (found == formatters.end()) {
            found =
                formatters
                    .emplace(currencyKey(account), CurrencyFormatter::formatterForAccount(account))
                    .first;
        }
        rows.push_back(rowWith(*item, today, found->second));
    }
    return rows;
}

std::string ScheduledListRow::verbFor(const ScheduledItem& item) {
    return item.isDeposit() ? "Deposit" : "Pay";
}

int ScheduledListRow::dueCount(ObjectContext& context, Date today) {
    return static_cast<int>(ScheduledItem::countWithPredicate(
        [today](const ScheduledItem& item) { return item.dueState().shouldColorRed(today); },
        context));
}

std::optional<std::size_t> ScheduledListRow::indexOf(const std::vector<ScheduledItem*>& items,
                                                     const ScheduledItem* item) {
    const auto found = std::find(items.begin(), items.end(), item);
    if (found == items.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - items.begin());
}
