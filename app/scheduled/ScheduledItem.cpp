#include "scheduled/ScheduledItem.h"

#include <algorithm>

#include "base/AssertionFailure.h"
#include "ledger/Account.h"
#include "ledger/AmountRange.h"
#include "ledger/Category.h"
#include "ledger/Global.h"
#include "ledger/Transaction.h"
#include "scheduled/PaymentURL.h"
#include "scheduled/ScheduledItemValidation.h"
#include "store/EntityBuilder.h"
#include "store/PersistentStore.h"

namespace {

std::optional<int> toInt(std::optional<std::int64_t> value) {
    if (!value) {
        return std::nullopt;
    }
    return static_cast<int>(*value);
}

std::optional<std::int64_t> toInt64(std::optional<int> value) {
    if (!value) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(*value);
}

}  // namespace

const EntityDescription& ScheduledItem::entityDescription() {
    static const EntityDescription description =
        EntityBuilder<ScheduledItem>("ScheduledItem")
            .attribute("title", &ScheduledItem::m_title)
            .attribute("amount", &ScheduledItem::m_amount)
            .rule(AmountRange::kRule)
            .attribute("notes", &ScheduledItem::m_notes)
            .attribute("paymentURL", &ScheduledItem::m_paymentURL)
            .attribute("paymentInstructions", &ScheduledItem::m_paymentInstructions)
            .attribute("payAutomatically", &ScheduledItem::m_payAutomatically)
            .attribute("reminderDays", &ScheduledItem::m_reminderDays)
            .attribute("hasReminded", &ScheduledItem::m_hasReminded)
            .attribute("isEstimate", &ScheduledItem::m_isEstimate)
            .attribute("repeatType", &ScheduledItem::m_repeatType)
            .attribute("repeatInterval", &ScheduledItem::m_repeatInterval)
            .attribute("repeatRules", &ScheduledItem::m_repeatRules)
            .attribute("endsAfter", &ScheduledItem::m_endsAfter)
            .attribute("nextDueDate", &ScheduledItem::m_nextDueDate)
            .toOne("account", &ScheduledItem::m_account, &Account::entityDescription,
                   "scheduledItems")
            .toOne("toAccount", &ScheduledItem::m_toAccount, &Account::entityDescription,
                   "toScheduledItems")
            .toOne("category", &ScheduledItem::m_category, &Category::entityDescription,
                   "scheduledItems")
            .toMany("projectedTransactions", &ScheduledItem::m_projectedTransactions,
                    &Transaction::entityDescription, "scheduledItem", DeleteRule::Cascade)
            .build();
    return description;
}

void ScheduledItem::setAccount(Account* account) {
    setToOne(&ScheduledItem::m_account, account);
}

void ScheduledItem::setToAccount(Account* account) {
    setToOne(&ScheduledItem::m_toAccount, account);
}

void ScheduledItem::setCategory(Category* category) {
    setToOne(&ScheduledItem::m_category, category);
}

std::vector<ScheduledItem*> ScheduledItem::itemsOfAccount(const Account& account) {
    std::vector<ScheduledItem*> items;
    for (ManagedObject* outgoing : account.scheduledItemObjects()) {
        items.push_back(static_cast<ScheduledItem*>(outgoing));
    }
    for (ManagedObject* object : account.toScheduledItemObjects()) {
        auto* incoming = static_cast<ScheduledItem*>(object);
        if (incoming->account() != &account) {  // a transfer to itself is there already
            items.push_back(incoming);
        }
    }
    return items;
}

ScheduledItem* ScheduledItem::itemOfTransaction(const Transaction& transaction) {
    return static_cast<ScheduledItem*>(transaction.scheduledItemObject());
}

void ScheduledItem::setPaymentURL(std::optional<std::string> url) {
    if (url) {
        url = cleanupURL(*url);
    }
    setValue(&ScheduledItem::m_paymentURL, std::move(url));
}

std::string ScheduledItem::fullURL() const {
    PN_ASSERT(m_paymentURL.has_value(), "The item has no payment address");
    return ::fullURL(*m_paymentURL);
}

RepeatSchedule ScheduledItem::schedule() const {
    RepeatSchedule s;
    s.nextDueDate = m_nextDueDate;
    s.repeatType = m_repeatType;
    s.repeatInterval = toInt(m_repeatInterval);
    s.repeatRules = m_repeatRules;
    s.endsAfter = toInt(m_endsAfter);
    return s;
}

void ScheduledItem::setSchedule(const RepeatSchedule& schedule) {
    setRepeatType(schedule.repeatType);
    setRepeatInterval(toInt64(schedule.repeatInterval));
    setRepeatRules(schedule.repeatRules);
    setEndsAfter(toInt64(schedule.endsAfter));
    setNextDueDate(schedule.nextDueDate);
}

DueState ScheduledItem::dueState() const {
    return DueState{m_nextDueDate, toInt(m_reminderDays), m_hasReminded};
}

void ScheduledItem::adjustNextDueDate() {
    RepeatSchedule s = schedule();
    s.adjustNextDueDate();
    setNextDueDate(s.nextDueDate);
}

std::vector<ScheduledItem*> ScheduledItem::allByNextDueDate(ObjectContext& context) {
    std::vector<ScheduledItem*> items = allInContext(context);
    std::stable_sort(items.begin(), items.end(),
                     [](const ScheduledItem* a, const ScheduledItem* b) {
                         return b->nextDueDate().isLaterThan_PN(a->nextDueDate());
                     });
    return items;
}

Date ScheduledItem::projectionEndDateFor(std::int64_t projectedMonths, Date today) {
    return today.beginningOfMonth_pn()
        .monthsLater_PN(static_cast<int>(projectedMonths - 1))
        .endOfMonth_pn();
}

bool ScheduledItem::isReadOnlyStore(const ObjectContext& context) {
    const PersistentStore* store = context.persistentStore();
    return store != nullptr && store->isReadOnly();
}

bool ScheduledItem::needsToUpdateProjection(ObjectContext& context, Date today) {
    if (isReadOnlyStore(context)) {
        return false;
    }
    const Global* global = Global::sharedInstanceInContext(context);
    if (!global->isShowingProjection()) {
        return false;
    }
    PN_ASSERT(global->projectionEndDate().has_value(), "projectionEndDate is not defined");
    Date end = projectionEndDateFor(global->projectedMonths().value_or(0), today);
    return end != *global->projectionEndDate();
}

bool ScheduledItem::needsToUpdateProjection() {
    return needsToUpdateProjection(ObjectContext::applicationContext(), Date::today_PN());
}

std::vector<ScheduledItem*> ScheduledItem::checkReminders(ObjectContext& context, Date today) {
    std::vector<ScheduledItem*> result;
    if (isReadOnlyStore(context)) {
        return result;
    }
    for (ScheduledItem* item : allInContext(context)) {
        bool remind = item->shouldRemind(today);
        if (remind && !item->hasReminded()) {
            result.push_back(item);
            item->setHasReminded(true);
        } else if (!remind && item->hasReminded()) {
            item->setHasReminded(false);
        }
    }
    return result;
}

std::vector<ScheduledItem*> ScheduledItem::checkReminders() {
    return checkReminders(ObjectContext::applicationContext(), Date::today_PN());
}

ScheduledItemFields ScheduledItem::fields() const {
    ScheduledItemFields f;
    f.amount = m_amount;
    f.isTransfer = isTransfer();
    f.paymentURL = m_paymentURL;
    f.paymentInstructions = m_paymentInstructions;
    f.payAutomatically = m_payAutomatically;
    f.reminderDays = toInt(m_reminderDays);
    f.hasReminded = m_hasReminded;
    f.schedule = schedule();
    return f;
}

bool ScheduledItem::validateItem(std::optional<ValidationError>& error) const {
    std::optional<ValidationError> failure = validateScheduledItem(fields());
    if (!failure) {
        return true;
    }
    return failValidation(error, *failure);
}
