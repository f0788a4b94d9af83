#include "scheduled/ScheduledItem.h"

#include "base/AssertionFailure.h"
#include "ledger/Account.h"
#include "ledger/Transaction.h"
#include "store/ObjectContext.h"

void ScheduledItem::createActualTransactionWithDate(Date date, const Decimal& amount,
                                                    Category* category,
                                                    std::optional<std::string> notes,
                                                    std::optional<std::int64_t> checkNumber) {
    PN_ASSERT(m_account != nullptr, "A scheduled item needs an account");
    m_account->createTransactionWithDate(date, m_title, amount, category, notes, checkNumber);
    if (isTransfer()) {
        m_toAccount->createTransactionWithDate(date, m_title, destinationAmount(amount), category,
                                               notes, checkNumber);
    }
}

void ScheduledItem::payWithDate(Date date, const Decimal& amount, Category* category,
                                std::optional<std::string> notes,
                                std::optional<std::int64_t> checkNumber) {
    createActualTransactionWithDate(date, amount, category, std::move(notes), checkNumber);
    setNotes(std::nullopt);
    skip();
}

void ScheduledItem::payWithCurrentValues() {
    createActualTransactionWithDate(m_nextDueDate, m_amount, m_category, m_notes, std::nullopt);
    setNotes(std::nullopt);
    skip();
}

void ScheduledItem::skip() {
    ObjectContext& context = *managedObjectContext();
    if (!repeats() || m_endsAfter == std::int64_t{1}) {
        // Its generated transactions go with it (the relationship cascades).
        context.deleteObject(*this);
        return;
    }
    if (m_endsAfter) {
        setEndsAfter(*m_endsAfter - 1);
    }
    int dueDateTransactions = 0;
    for (Transaction* transaction : m_projectedTransactions) {
        if (transaction->date() == m_nextDueDate) {
            ++dueDateTransactions;
        }
    }
    PN_ASSERT(dueDateTransactions < 3, "Assertion Failure (Code: XFEWA)");
    const Date due = m_nextDueDate;
    deleteProjectedTransactions([due](Date d) { return d == due; });
    setNextDueDate(schedule().dueDateAfterNext());
    setHasReminded(false);
}

bool ScheduledItem::processAutomaticPayments(Date today, ObjectContext& context) {
    bool paid = false;
    if (isReadOnlyStore(context)) {
        return paid;
    }
    for (ScheduledItem* item :
         findByPredicate([](const ScheduledItem& i) { return i.payAutomatically(); }, context)) {
        // Paying the last occurrence deletes the item, so look before each payment.
        while (!item->isDeleted() && item->isDue(today)) {
            item->payWithCurrentValues();
            paid = true;
        }
    }
    return paid;
}

bool ScheduledItem::processAutomaticPayments() {
    return processAutomaticPayments(Date::today_PN(), ObjectContext::applicationContext());
}
