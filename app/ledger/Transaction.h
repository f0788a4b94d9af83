#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/Date.h"
#include "base/Decimal.h"
#include "base/OptionalText.h"
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
    // The text attributes are views of the transaction's own text: valid until it changes.
    std::optional<std::string_view> title() const { return m_title.view(); }
    void setTitle(std::optional<std::string_view> title) { setValue(&Transaction::m_title, title); }
    std::optional<std::string_view> notes() const { return m_notes.view(); }
    void setNotes(std::optional<std::string_view> notes) { setValue(&Transaction::m_notes, notes); }
    const Decimal& amount() const { return m_amount; }
    // Stores roundedAmount(amount).
    void setAmount(const Decimal& amount);
    // An amount as a transaction holds it: two places, half away from zero.
    [[nodiscard]] static Decimal roundedAmount(const Decimal& amount) { return amount.rounded(2); }
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
    std::optional<std::string_view> ofxTitle() const { return m_ofxTitle.view(); }
    void setOfxTitle(std::optional<std::string_view> title) {
        setValue(&Transaction::m_ofxTitle, title);
    }
    std::optional<Date> ofxDate() const { return m_ofxDate; }
    void setOfxDate(std::optional<Date> date) { setValue(&Transaction::m_ofxDate, date); }
    std::optional<std::int64_t> ofxCheckNumber() const { return m_ofxCheckNumber; }
    void setOfxCheckNumber(std::optional<std::int64_t> number) {
        setValue(&Transaction::m_ofxCheckNumber, number);
    }
    std::optional<std::string_view> ofxFitID() const { return m_ofxFitID.view(); }
    void setOfxFitID(std::optional<std::string_view> fitID) {
        setValue(&Transaction::m_ofxFitID, fitID);
    }

    // Unset for an ordinary transaction; "generated" for a projected one.
    std::optional<std::string_view> type() const { return m_type.view(); }
    void setType(std::optional<std::string_view> type) { setValue(&Transaction::m_type, type); }
    // Set whenever a split's amount changes, so the transaction is validated at the next save.
    bool splitsChanged() const { return m_splitsChanged; }
    void setSplitsChanged(bool changed) { setValue(&Transaction::m_splitsChanged, changed); }

    // Dated today, one split of 0, the next sort ID.
    void awakeFromInsert() override;

    bool isGenerated() const { return m_type.view() == kTransactionTypeGenerated; }
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

    // Ordered by size so that two hundred thousand of them waste no padding: the flags and
    // dates fill the tail of the base object.
    bool m_isPending = true;
    bool m_isImported = false;
    bool m_isNew = false;
    bool m_splitsChanged = false;
    Date m_date;
    std::optional<Date> m_ofxDate;
    Account* m_account = nullptr;
    ManagedObject* m_scheduledItem = nullptr;
    ObjectSet<Split> m_splits;
    Decimal m_amount;
    std::optional<Decimal> m_ofxAmount;
    std::int64_t m_sortID = 0;
    std::optional<std::int64_t> m_checkNumber;
    std::optional<std::int64_t> m_ofxCheckNumber;
    OptionalText m_title;
    OptionalText m_notes;
    OptionalText m_ofxTitle;
    OptionalText m_ofxFitID;
    OptionalText m_type;
};
