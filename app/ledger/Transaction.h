#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/Date.h"
#include "base/Decimal.h"
#include "store/Entity.h"

class Account;
class Category;
class Split;

// The type of a transaction projected from a scheduled item.
inline constexpr const char* kTransactionTypeGenerated = "generated";

// One dated movement of money in one account, divided over categories by its splits.
// A new transaction is dated today, pending, and has one split of amount 0.
class Transaction final : public Entity<Transaction> {
public:
    static const EntityDescription& entityDescription();

    Account* account() const { return m_account; }
    void setAccount(Account* account);
    Date date() const { return m_date; }
    void setDate(Date date) { setValue(&Transaction::m_date, date); }
    // Keeps the UTC calendar day of `timestamp`.
    void setDate(Date::TimePoint timestamp);
    const std::optional<std::string>& title() const { return m_title; }
    void setTitle(std::optional<std::string> title) {
        setValue(&Transaction::m_title, std::move(title));
    }
    const std::optional<std::string>& notes() const { return m_notes; }
    void setNotes(std::optional<std::string> notes) {
        setValue(&Transaction::m_notes, std::move(notes));
    }
    const Decimal& amount() const { return m_amount; }
    // Rounds to 2 places, half away from zero.
    void setAmount(const Decimal& amount);
    const ObjectSet<Split>& splits() const { return m_splits; }
    void addSplitsObject(Split* split);
    void removeSplitsObject(Split* split);
    std::int64_t sortID() const { return m_sortID; }
    void setSortID(std::int64_t sortID) { setValue(&Transaction::m_sortID, sortID); }
    std::optional<std::int64_t> checkNumber() const { return m_checkNumber; }
    void setCheckNumber(std::optional<std::int64_t> number) {
        setValue(&Transaction::m_checkNumber, number);
    }
    bool isPending() const { return m_isPending; }
    void setIsPending(bool pending) { setValue(&Transaction::m_isPending, pending); }
    bool isImported() const { return m_isImported; }
    void setIsImported(bool imported) { setValue(&Transaction::m_isImported, imported); }
    bool isNew() const { return m_isNew; }
    void setIsNew(bool isNew) { setValue(&Transaction::m_isNew, isNew); }

    // The bank fields: all unset, or at least ofxAmount, ofxTitle and ofxDate set.
    const std::optional<Decimal>& ofxAmount() const { return m_ofxAmount; }
    void setOfxAmount(std::optional<Decimal> amount) {
        setValue(&Transaction::m_ofxAmount, std::move(amount));
    }
    const std::optional<std::string>& ofxTitle() const { return m_ofxTitle; }
    void setOfxTitle(std::optional<std::string> title) {
        setValue(&Transaction::m_ofxTitle, std::move(title));
    }
    std::optional<Date> ofxDate() const { return m_ofxDate; }
    void setOfxDate(std::optional<Date> date) { setValue(&Transaction::m_ofxDate, date); }
    std::optional<std::int64_t> ofxCheckNumber() const { return m_ofxCheckNumber; }
    void setOfxCheckNumber(std::optional<std::int64_t> number) {
        setValue(&Transaction::m_ofxCheckNumber, number);
    }
    const std::optional<std::string>& ofxFitID() const { return m_ofxFitID; }
    void setOfxFitID(std::optional<std::string> fitID) {
        setValue(&Transaction::m_ofxFitID, std::move(fitID));
    }

    // Unset for an ordinary transaction; "generated" for a projected one.
    const std::optional<std::string>& type() const { return m_type; }
    void setType(std::optional<std::string> type) {
        setValue(&Transaction::m_type, std::move(type));
    }
    // Set whenever a split's amount changes, so the transaction is validated at the next save.
    bool splitsChanged() const { return m_splitsChanged; }
    void setSplitsChanged(bool changed) { setValue(&Transaction::m_splitsChanged, changed); }

    // Dated today, one split of 0, the next sort ID.
    void awakeFromInsert() override;

    bool isGenerated() const { return m_type == kTransactionTypeGenerated; }
    // The item whose projection this transaction is part of, untyped (the scheduled subsystem
    // offers it typed: ScheduledItem::itemOfTransaction); nullptr for others.
    ManagedObject* scheduledItemObject() const { return m_scheduledItem; }
    bool hasScheduledItem() const { return m_scheduledItem != nullptr; }
    bool isMatched() const { return !m_isImported && m_ofxAmount.has_value(); }

    // ---- Class operations ----

    // Every transaction of the store, newest first (date, then sortID, descending).
    [[nodiscard]] static std::vector<Transaction*> allInContext(ObjectContext& context);
    // REQUIRES: the store holds a transaction (AssertionFailure otherwise).
    [[nodiscard]] static Date dateOfLatestTransactionInContext(ObjectContext& context);
    [[nodiscard]] static std::optional<Date> dateOfEarliestTransactionInContext(
        ObjectContext& context);
    // True when `a` comes before `b` in the standard order (newest first).
    [[nodiscard]] static bool precedesInStandardOrder(const Transaction& a, const Transaction& b);
    // Puts `transactions` in the standard order.
    static void sortInStandardOrder(std::vector<Transaction*>& transactions);

    // ---- Instance operations ----

    // Hands out the store's next sort ID and advances it.
    [[nodiscard]] std::int64_t nextSortID();
    // The account's start balance plus every transaction up to and including this one.
    [[nodiscard]] Decimal runningBalance() const;
    [[nodiscard]] Decimal amountInHomeCurrency() const;
    // Categorized splits by amount descending, then uncategorized ones by amount descending.
    [[nodiscard]] std::vector<Split*> sortedSplits() const;
    // Title, category names, notes and the absolute amount, each followed by a space but the last.
    [[nodiscard]] std::string keywords() const;
    // With two or more splits that do not add up, adds an uncategorized split of the difference.
    void fixSplitsIfNecessary();

    // ---- Validation ----

    [[nodiscard]] bool validateForInsert(std::optional<ValidationError>& error) const override;
    [[nodiscard]] bool validateForUpdate(std::optional<ValidationError>& error) const override;
    // Clears splitsChanged (untracked); with two or more splits they must add up to the amount.
    [[nodiscard]] bool validateSplits(std::optional<ValidationError>& error) const;
    [[nodiscard]] bool validateBankFields(std::optional<ValidationError>& error) const;
    [[nodiscard]] bool validateGeneratedTransactionIsNotPending(
        std::optional<ValidationError>& error) const;
    [[nodiscard]] bool validateGeneratedTransactionHasScheduledItem(
        std::optional<ValidationError>& error) const;
    [[nodiscard]] bool validateFitIDIsUnique(std::optional<ValidationError>& error) const;

private:
    [[nodiscard]] bool validateTransaction(std::optional<ValidationError>& error) const;

    Account* m_account = nullptr;
    Date m_date;
    std::optional<std::string> m_title;
    std::optional<std::string> m_notes;
    Decimal m_amount;
    ObjectSet<Split> m_splits;
    std::int64_t m_sortID = 0;
    std::optional<std::int64_t> m_checkNumber;
    bool m_isPending = true;
    bool m_isImported = false;
    bool m_isNew = false;
    std::optional<Decimal> m_ofxAmount;
    std::optional<std::string> m_ofxTitle;
    std::optional<Date> m_ofxDate;
    std::optional<std::int64_t> m_ofxCheckNumber;
    std::optional<std::string> m_ofxFitID;
    std::optional<std::string> m_type;
    bool m_splitsChanged = false;
    ManagedObject* m_scheduledItem = nullptr;
};
