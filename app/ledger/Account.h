#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/Date.h"
#include "base/Decimal.h"
#include "ledger/Node.h"

class Category;
class Currency;
class Transaction;
class TransferSetting;

// The stored account types.
inline constexpr const char* kAccountTypeChecking = "checking";
inline constexpr const char* kAccountTypeSavings = "savings";
inline constexpr const char* kAccountTypeCreditCard = "credit_card";
inline constexpr const char* kAccountTypeCash = "cash";
inline constexpr const char* kAccountTypeOther = "other";

// An account in the tree: its transactions, start balance, currency (unset: the home
// currency) and remembered import choices. Deleting it deletes its transactions.
class Account final : public Entity<Account, Node> {
public:
    static const EntityDescription& entityDescription();

    const std::string& name() const { return m_name; }
    void setName(std::string name) { setValue(&Account::m_name, std::move(name)); }
    // One of the kAccountType texts; unset on a new account.
    const std::optional<std::string>& type() const { return m_type; }
    void setType(std::optional<std::string> type) { setValue(&Account::m_type, std::move(type)); }
    bool isClosed() const { return m_isClosed; }
    void setIsClosed(bool closed) { setValue(&Account::m_isClosed, closed); }
    Currency* currency() const { return m_currency; }
    void setCurrency(Currency* currency);
    const Decimal& startBalance() const { return m_startBalance; }
    void setStartBalance(Decimal balance) { setValue(&Account::m_startBalance, balance); }
    Date startBalanceDate() const { return m_startBalanceDate; }
    void setStartBalanceDate(Date date) { setValue(&Account::m_startBalanceDate, date); }
    const ObjectSet<Transaction>& transactions() const { return m_transactions; }
    void addTransactionsObject(Transaction* transaction);
    void removeTransactionsObject(Transaction* transaction);
    // The scheduled items paid from or into this account, and the transfers into it, untyped:
    // the scheduled subsystem offers them typed (ScheduledItem::itemsOfAccount).
    const ObjectSet<ManagedObject>& scheduledItemObjects() const { return m_scheduledItems; }
    const ObjectSet<ManagedObject>& toScheduledItemObjects() const { return m_toScheduledItems; }
    // What the transfers from this account to each destination last used, the settings of
    // transfers into it, and the setting of the last transfer made from it.
    const ObjectSet<TransferSetting>& transferSettings() const { return m_transferSettings; }
    void addTransferSettingsObject(TransferSetting* setting);
    const ObjectSet<TransferSetting>& toTransferSettings() const { return m_toTransferSettings; }
    TransferSetting* lastTransferSetting() const { return m_lastTransferSetting; }
    void setLastTransferSetting(TransferSetting* setting);
    const std::optional<std::string>& qifDateOrder() const { return m_qifDateOrder; }
    void setQifDateOrder(std::optional<std::string> order) {
        setValue(&Account::m_qifDateOrder, std::move(order));
    }
    std::optional<std::int64_t> specialBank() const { return m_specialBank; }
    void setSpecialBank(std::optional<std::int64_t> bank) {
        setValue(&Account::m_specialBank, bank);
    }

    // Default position in the tree, start balance date yesterday.
    void awakeFromInsert() override;

    // ---- Class operations ----

    // "New Account", or "New Account N" with the smallest free N from 2.
    [[nodiscard]] static std::string nextAvailableDefaultName(ObjectContext& context);
    // True when an account's name matches `name` ignoring case and diacritics, where `*` and
    // `?` in `name` are wildcards.
    [[nodiscard]] static bool nameAlreadyTaken(const std::string& name, ObjectContext& context);
    // The first account by name on the application's context. AssertionFailure when none.
    [[nodiscard]] static Account* first();
    // The first account by name in `context`, closed ones included; nullptr when none.
    [[nodiscard]] static Account* firstInContext(ObjectContext& context);

    // ---- Overall balance (the breakdowns by category are AccountReports') ----

    // The balances of all accounts, open or closed, in the home currency: on `date`, or the
    // current balances when nothing.
    [[nodiscard]] static Decimal overallBalanceOnDate(std::optional<Date> date,
                                                      ObjectContext& context);
    [[nodiscard]] static Decimal overallBalanceInContext(ObjectContext& context) {
        return overallBalanceOnDate(std::nullopt, context);
    }

    // ---- Currency ----

    bool isForeign() const { return m_currency != nullptr; }
    [[nodiscard]] bool hasDifferentCurrencyThanAccount(const Account& other) const;

    // ---- Dates ----

    [[nodiscard]] std::optional<Date> dateOfEarliestTransaction() const;
    // The latest date among transactions with bank data (ofxAmount set).
    [[nodiscard]] std::optional<Date> dateOfLatestOFXTransaction() const;
    // startBalanceDate, unless a transaction is on or before it: then the day before the
    // earliest transaction.
    [[nodiscard]] Date effectiveStartBalanceDate() const;

    // ---- Transactions and balances ----

    // Newest first: date descending, then sortID descending.
    [[nodiscard]] std::vector<Transaction*> orderedTransactions() const;
    [[nodiscard]] std::vector<Transaction*> pendingTransactions() const;
    // The running balance of the latest transaction; startBalance when there is none.
    [[nodiscard]] Decimal balance() const;
    // The running balance of the latest transaction on or before `date`.
    [[nodiscard]] Decimal balanceOnDate(Date date) const;
    // balance minus the pending and generated transactions.
    [[nodiscard]] Decimal reconciledBalance() const;
    // A new transaction in this account; not pending in a cash account.
    Transaction* createTransactionWithDate(Date date, std::optional<std::string> title,
                                           Decimal amount, Category* category,
                                           std::optional<std::string> notes,
                                           std::optional<std::int64_t> checkNumber);

    // ---- Transfers (defined with the transfer settings) ----

    // Moves `amount` (in this account's currency) to `destination`: a transaction of -amount
    // here and one of +amount there, exchanged into the destination's currency when the two
    // differ (2 places), both titled `title` or else "To <destination>" / "From <this>", dated
    // `date` or today. Remembers amount, title ("" for the default titles) and category in
    // the setting for that destination, which becomes lastTransferSetting.
    void transfer(const Decimal& amount, Account& destination, Category* category,
                  std::optional<std::string> title, std::optional<Date> date);
    // The setting for transfers to `destination`, or nullptr. Two of them are an
    // AssertionFailure.
    [[nodiscard]] TransferSetting* settingForTransferTo(const Account& destination) const;

    // Both fail with "Parent cannot be nil" for a node outside the tree.
    [[nodiscard]] bool validateForInsert(std::optional<ValidationError>& error) const override {
        return validateParent(error);
    }
    [[nodiscard]] bool validateForUpdate(std::optional<ValidationError>& error) const override {
        return validateParent(error);
    }

private:
    std::string m_name;
    std::optional<std::string> m_type;
    bool m_isClosed = false;
    Currency* m_currency = nullptr;
    Decimal m_startBalance;
    Date m_startBalanceDate;
    ObjectSet<Transaction> m_transactions;
    ObjectSet<ManagedObject> m_scheduledItems;
    ObjectSet<ManagedObject> m_toScheduledItems;
    ObjectSet<TransferSetting> m_transferSettings;
    ObjectSet<TransferSetting> m_toTransferSettings;
    TransferSetting* m_lastTransferSetting = nullptr;
    std::optional<std::string> m_qifDateOrder;
    std::optional<std::int64_t> m_specialBank;
};
