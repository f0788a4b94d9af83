#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/Date.h"
#include "base/Decimal.h"
#include "scheduled/DueDateDescription.h"
#include "scheduled/DueState.h"
#include "scheduled/RepeatForm.h"
#include "scheduled/RepeatRuleCoder.h"
#include "scheduled/RepeatSchedule.h"
#include "scheduled/ScheduledItemFields.h"
#include "store/Entity.h"

class Account;
class Category;
class Transaction;

// A bill, deposit or transfer that falls due on nextDueDate and, when it repeats, again on a
// weekly or monthly pattern. The date rules live in RepeatSchedule and DueState, the
// consistency rules in ScheduledItemValidation; this entity holds the stored fields and
// forwards to them.
class ScheduledItem final : public Entity<ScheduledItem> {
public:
    static const EntityDescription& entityDescription();

    // ---- Attributes ----

    const std::string& title() const { return m_title; }
    void setTitle(std::string title) { setValue(&ScheduledItem::m_title, std::move(title)); }
    const Decimal& amount() const { return m_amount; }
    void setAmount(Decimal amount) { setValue(&ScheduledItem::m_amount, amount); }
    // The note for the next payment only.
    const std::optional<std::string>& notes() const { return m_notes; }
    void setNotes(std::optional<std::string> notes) {
        setValue(&ScheduledItem::m_notes, std::move(notes));
    }
    // Stored without scheme and trailing slashes.
    const std::optional<std::string>& paymentURL() const { return m_paymentURL; }
    // Stores cleanupURL of the value.
    void setPaymentURL(std::optional<std::string> url);
    // "http://" and the stored address. REQUIRES: paymentURL is set.
    [[nodiscard]] std::string fullURL() const;
    const std::optional<std::string>& paymentInstructions() const { return m_paymentInstructions; }
    void setPaymentInstructions(std::optional<std::string> text) {
        setValue(&ScheduledItem::m_paymentInstructions, std::move(text));
    }
    bool payAutomatically() const { return m_payAutomatically; }
    void setPayAutomatically(bool on) { setValue(&ScheduledItem::m_payAutomatically, on); }
    std::optional<std::int64_t> reminderDays() const { return m_reminderDays; }
    void setReminderDays(std::optional<std::int64_t> days) {
        setValue(&ScheduledItem::m_reminderDays, days);
    }
    bool hasReminded() const { return m_hasReminded; }
    void setHasReminded(bool reminded) { setValue(&ScheduledItem::m_hasReminded, reminded); }
    // Kept with the item; nothing reads it.
    bool isEstimate() const { return m_isEstimate; }
    void setIsEstimate(bool estimate) { setValue(&ScheduledItem::m_isEstimate, estimate); }
    // "Week" or "Month"; unset for a one-time item.
    const std::optional<std::string>& repeatType() const { return m_repeatType; }
    void setRepeatType(std::optional<std::string> type) {
        setValue(&ScheduledItem::m_repeatType, std::move(type));
    }
    std::optional<std::int64_t> repeatInterval() const { return m_repeatInterval; }
    void setRepeatInterval(std::optional<std::int64_t> interval) {
        setValue(&ScheduledItem::m_repeatInterval, interval);
    }
    const std::optional<std::vector<RepeatRule>>& repeatRules() const { return m_repeatRules; }
    void setRepeatRules(std::optional<std::vector<RepeatRule>> rules) {
        setValue(&ScheduledItem::m_repeatRules, std::move(rules));
    }
    // Occurrences left, the next due one included; unset: never ends.
    std::optional<std::int64_t> endsAfter() const { return m_endsAfter; }
    void setEndsAfter(std::optional<std::int64_t> count) {
        setValue(&ScheduledItem::m_endsAfter, count);
    }
    Date nextDueDate() const { return m_nextDueDate; }
    void setNextDueDate(Date date) { setValue(&ScheduledItem::m_nextDueDate, date); }

    // ---- Relationships ----

    Account* account() const { return m_account; }
    void setAccount(Account* account);
    // The destination of a transfer; nullptr otherwise.
    Account* toAccount() const { return m_toAccount; }
    void setToAccount(Account* account);
    Category* category() const { return m_category; }
    void setCategory(Category* category);
    // The generated transactions of the projection.
    const ObjectSet<Transaction>& projectedTransactions() const { return m_projectedTransactions; }

    // The same links read from the ledger's side, where they are untyped: the items paid from
    // `account` and the transfers into it, each once; the item a generated transaction belongs
    // to (nullptr for others).
    [[nodiscard]] static std::vector<ScheduledItem*> itemsOfAccount(const Account& account);
    [[nodiscard]] static ScheduledItem* itemOfTransaction(const Transaction& transaction);

    // ---- Kind ----

    bool isDeposit() const { return m_amount > Decimal(0); }
    bool isExpense() const { return !isDeposit(); }
    bool isTransfer() const { return m_toAccount != nullptr; }
    bool repeats() const { return m_repeatType.has_value(); }
    bool hasReminder() const { return m_reminderDays.has_value(); }

    // ---- Dates (see RepeatSchedule and DueState) ----

    // The repeat settings as a plain value.
    [[nodiscard]] RepeatSchedule schedule() const;
    // Sets the repeat settings and the next due date from a plain value.
    void setSchedule(const RepeatSchedule& schedule);
    [[nodiscard]] DueState dueState() const;

    [[nodiscard]] bool includes(Date date) const { return schedule().includes(date); }
    static RepeatRule componentForDate(Date date, std::string_view repeatType) {
        return RepeatSchedule::componentForDate(date, repeatType);
    }
    [[nodiscard]] std::vector<Date> upcomingDatesUntil(Date end, int limit) const {
        return schedule().upcomingDatesUntil(end, limit);
    }
    // Limited by endsAfter.
    [[nodiscard]] std::vector<Date> upcomingDatesUntil(Date end) const {
        return schedule().upcomingDatesUntil(end);
    }
    // Moves nextDueDate forward onto the pattern.
    void adjustNextDueDate();

    [[nodiscard]] bool isDue(Date date) const { return dueState().isDue(date); }
    [[nodiscard]] bool isDue() const { return dueState().isDue(); }
    int daysBeforeDue() const { return dueState().daysBeforeDue(); }
    [[nodiscard]] bool shouldRemind(Date today) const { return dueState().shouldRemind(today); }
    [[nodiscard]] bool shouldRemind() const { return dueState().shouldRemind(); }
    bool shouldColorRed() const { return dueState().shouldColorRed(); }
    static DueDateDescription descriptionOfDueDate(Date dueDate, Date today) {
        return DueDateDescription::descriptionOfDueDate(dueDate, today);
    }

    // ---- Editor and list ----

    // The editor's due-date and repeat controls showing this item.
    [[nodiscard]] RepeatForm repeatForm() const { return RepeatForm::fromSchedule(schedule()); }
    // Stores what the editor's controls hold (RepeatForm::read: the due date moved onto the
    // pattern of a repeating item).
    void readForm(const RepeatForm& form) { setSchedule(form.read()); }
    // Every item of the store by nextDueDate, earliest first, as the scheduled list shows them.
    [[nodiscard]] static std::vector<ScheduledItem*> allByNextDueDate(ObjectContext& context);

    // ---- Projection settings ----

    // The last day the projection covers: the end of the month (projectedMonths - 1) months
    // after today's month.
    static Date projectionEndDateFor(std::int64_t projectedMonths, Date today);
    // False while the projection is off or the store is read-only; otherwise whether today's
    // projection end differs from the stored one. A projection that is on without an end date is an
    // AssertionFailure "projectionEndDate is not defined".
    [[nodiscard]] static bool needsToUpdateProjection(ObjectContext& context, Date today);
    [[nodiscard]] static bool needsToUpdateProjection();

    // ---- Projection ----

    // Generated transactions for every upcoming date through the projection's end. REQUIRES:
    // the end is set and the item has no generated transactions (AssertionFailure otherwise).
    void generateProjection();
    // Generates or deletes at the far end so that the transactions reach the projection's end.
    void updateProjection();
    // Deletes the item's generated transactions and generates them again.
    void regenerateProjection();
    // One date's generated transactions: in the account, and for a transfer the opposite
    // amount in the destination, converted when the currencies differ.
    void generateProjectedTransactionWithDate(Date date);
    Transaction* generateProjectedTransactionWithDate(Date date, const Decimal& amount,
                                                      Account* account);
    // Sets the projection's end from projectedMonths and today, then generates (updates) every
    // item's projection.
    static void generateProjections(ObjectContext& context, Date today);
    static void updateProjections(ObjectContext& context, Date today);
    // Deletes every generated transaction and turns the projection off.
    static void hideProjections(ObjectContext& context);
    // The transfers between accounts of different currencies.
    [[nodiscard]] static std::vector<ScheduledItem*> allWithExchangedTransfer(
        ObjectContext& context);

    // ---- Payment ----

    // The real transactions of one occurrence: in the account, and for a transfer the opposite
    // amount in the destination, converted when the currencies differ. Pending unless the
    // account is a cash account.
    void createActualTransactionWithDate(Date date, const Decimal& amount, Category* category,
                                         std::optional<std::string> notes,
                                         std::optional<std::int64_t> checkNumber);
    // Pays the next occurrence with the values the user confirmed, then skips it.
    void payWithDate(Date date, const Decimal& amount, Category* category,
                     std::optional<std::string> notes, std::optional<std::int64_t> checkNumber);
    // Pays the next occurrence as scheduled: on its due date, with the item's values.
    void payWithCurrentValues();
    // Passes over the next occurrence: deletes the item when it was the last one (a one-time
    // item, or endsAfter 1); otherwise removes that date's generated transactions and moves on
    // to the following due date. More than two generated transactions on the date is an
    // AssertionFailure "Assertion Failure (Code: XFEWA)".
    void skip();
    // Pays every automatic item once for each occurrence that fell due on or before `today`;
    // true when anything was paid. Pays nothing into a read-only store.
    static bool processAutomaticPayments(Date today, ObjectContext& context);
    static bool processAutomaticPayments();

    // ---- Reminders ----

    // Walks every item in store order: one whose reminder period has begun and that has not
    // been reminded of is listed and marked reminded; a reminded one whose period no longer
    // holds is unmarked. So each item is listed once per due date. Nothing in a read-only store.
    [[nodiscard]] static std::vector<ScheduledItem*> checkReminders(ObjectContext& context,
                                                                    Date today);
    [[nodiscard]] static std::vector<ScheduledItem*> checkReminders();

    // True when the context's store refuses saves (a snapshot opened to look at): the day's
    // work (projection update, reminders, automatic payments) then leaves it alone, since
    // what it would change could never be saved and would only show what is not there.
    [[nodiscard]] static bool isReadOnlyStore(const ObjectContext& context);

    // ---- Validation ----

    // The fields the consistency rules read.
    [[nodiscard]] ScheduledItemFields fields() const;
    [[nodiscard]] bool validateForInsert(std::optional<ValidationError>& error) const override {
        return validateItem(error);
    }
    [[nodiscard]] bool validateForUpdate(std::optional<ValidationError>& error) const override {
        return validateItem(error);
    }

private:
    // Minus `amount`, in the destination's currency.
    [[nodiscard]] Decimal destinationAmount(const Decimal& amount) const;
    void deleteProjectedTransactions(const std::function<bool(Date)>& which);
    static void setProjectionEndDate(ObjectContext& context, Date today);
    [[nodiscard]] bool validateItem(std::optional<ValidationError>& error) const;

    std::string m_title;
    Decimal m_amount;
    std::optional<std::string> m_notes;
    std::optional<std::string> m_paymentURL;
    std::optional<std::string> m_paymentInstructions;
    bool m_payAutomatically = false;
    std::optional<std::int64_t> m_reminderDays;
    bool m_hasReminded = false;
    bool m_isEstimate = false;
    std::optional<std::string> m_repeatType;
    std::optional<std::int64_t> m_repeatInterval;
    std::optional<std::vector<RepeatRule>> m_repeatRules;
    std::optional<std::int64_t> m_endsAfter;
    Date m_nextDueDate;
    Account* m_account = nullptr;
    Account* m_toAccount = nullptr;
    Category* m_category = nullptr;
    ObjectSet<Transaction> m_projectedTransactions;
};
