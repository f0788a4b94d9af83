#include "scheduled/ScheduledItem.h"

#include "base/AssertionFailure.h"
#include "ledger/Account.h"
#include "ledger/Currency.h"
#include "ledger/CurrencyExchange.h"
#include "ledger/Global.h"
#include "ledger/Split.h"
#include "ledger/Transaction.h"

namespace {

Date requiredEndDate(ObjectContext& context) {
    std::optional<Date> end = Global::sharedInstanceInContext(context)->projectionEndDate();
    PN_ASSERT(end.has_value(), "projectionEndDate is not defined");
    return *end;
}

std::optional<Decimal> rateOf(const Account& account) {
    if (account.currency() == nullptr) {
        return std::nullopt;
    }
    return account.currency()->rate();
}

}  // namespace

Decimal ScheduledItem::destinationAmount(const Decimal& amount) const {
    PN_ASSERT(m_account != nullptr && m_toAccount != nullptr, "The item is not a transfer");
    if (!m_account->hasDifferentCurrencyThanAccount(*m_toAccount)) {
        return amount.negate_pn();
    }
    return CurrencyExchange::exchange(amount, rateOf(*m_account), rateOf(*m_toAccount)).negate_pn();
}

Transaction* ScheduledItem::generateProjectedTransactionWithDate(Date date, const Decimal& amount,
                                                                 Account* account) {
    Transaction* transaction = managedObjectContext()->insert<Transaction>();
    transaction->setAccount(account);
    transaction->setIsPending(false);
    transaction->setType(std::string(kTransactionTypeGenerated));
    transaction->setDate(date);
    transaction->setTitle(m_title);
    transaction->setAmount(amount);
    for (Split* split : transaction->splits()) {
        split->setCategory(m_category);
    }
    addToMany(&ScheduledItem::m_projectedTransactions, transaction);
    return transaction;
}

void ScheduledItem::generateProjectedTransactionWithDate(Date date) {
    PN_ASSERT(m_account != nullptr, "A scheduled item needs an account");
    generateProjectedTransactionWithDate(date, m_amount, m_account);
    if (isTransfer()) {
        generateProjectedTransactionWithDate(date, destinationAmount(m_amount), m_toAccount);
    }
}

void ScheduledItem::generateProjection() {
    Date end = requiredEndDate(*managedObjectContext());
    PN_ASSERT(m_projectedTransactions.empty(),
              "generateProjection should only be called when there are no projected "
              "transactions.");
    for (Date date : upcomingDatesUntil(end)) {
        generateProjectedTransactionWithDate(date);
    }
}

void ScheduledItem::deleteProjectedTransactions(const std::function<bool(Date)>& which) {
    ObjectContext& context = *managedObjectContext();
    for (Transaction* transaction : m_projectedTransactions.toVector()) {
        if (which(transaction->date())) {
            context.deleteObject(*transaction);
        }
    }
}

void ScheduledItem::updateProjection() {
    if (m_projectedTransactions.empty()) {
        generateProjection();
        return;
    }
    Date end = requiredEndDate(*managedObjectContext());
    std::vector<Date> dates = upcomingDatesUntil(end);
    if (dates.empty()) {
        deleteProjectedTransactions([](Date) { return true; });
        return;
    }
    Date newLast = dates.back();
    Date oldLast = (*m_projectedTransactions.begin())->date();
    for (Transaction* transaction : m_projectedTransactions) {
        if (transaction->date().isLaterThan_PN(oldLast)) {
            oldLast = transaction->date();
        }
    }
    if (newLast.isLaterThan_PN(oldLast)) {
        for (Date date : dates) {
            if (date.isLaterThan_PN(oldLast)) {
                generateProjectedTransactionWithDate(date);
            }
        }
    } else if (oldLast.isLaterThan_PN(newLast)) {
        deleteProjectedTransactions([newLast](Date d) { return d.isLaterThan_PN(newLast); });
    }
}

void ScheduledItem::regenerateProjection() {
    deleteProjectedTransactions([](Date) { return true; });
    generateProjection();
}

void ScheduledItem::generateProjections(ObjectContext& context, Date today) {
    setProjectionEndDate(context, today);
    for (ScheduledItem* item : allInContext(context)) {
        item->generateProjection();
    }
}

void ScheduledItem::updateProjections(ObjectContext& context, Date today) {
    setProjectionEndDate(context, today);
    for (ScheduledItem* item : allInContext(context)) {
        item->updateProjection();
    }
}

void ScheduledItem::setProjectionEndDate(ObjectContext& context, Date today) {
    Global* global = Global::sharedInstanceInContext(context);
    global->setProjectionEndDate(
        projectionEndDateFor(global->projectedMonths().value_or(0), today));
}

void ScheduledItem::hideProjections(ObjectContext& context) {
    for (Transaction* transaction : Transaction::findByPredicate(
             [](const Transaction& t) { return t.isGenerated(); }, context)) {
        context.deleteObject(*transaction);
    }
    Global* global = Global::sharedInstanceInContext(context);
    global->setProjectedMonths(-1);
    global->setProjectionEndDate(std::nullopt);
}

std::vector<ScheduledItem*> ScheduledItem::allWithExchangedTransfer(ObjectContext& context) {
    return findByPredicate(
        [](const ScheduledItem& item) {
            return item.toAccount() != nullptr && item.account() != nullptr &&
                   item.account()->hasDifferentCurrencyThanAccount(*item.toAccount());
        },
        context);
}
