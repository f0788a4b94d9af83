#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/Date.h"

class Account;
class AccountGroup;
class Category;
class CategoryGroup;
class Currency;
class Node;
class ObjectContext;
class ScheduledItem;
class Transaction;

// Writes the pieces of a ledger into an empty context in a few words each: accounts in the
// tree, categories by name, transactions with one or several splits, transfers, the bank
// fields of imported and matched entries, scheduled items. Amounts are decimal texts.
class SampleLedgerBuilder final {
public:
    // A part of a split transaction: category name and amount.
    using Part = std::pair<const char*, const char*>;

    // REQUIRES: `context` is empty and outlives the builder.
    explicit SampleLedgerBuilder(ObjectContext& context);

    ObjectContext& context() { return m_context; }
    Node& root() { return *m_root; }

    AccountGroup& group(const std::string& name);
    // Last among `parent`'s children.
    Account& account(Node& parent, const std::string& name, const char* type,
                     const char* startBalance, Date startBalanceDate, Currency* currency = nullptr);
    // The currency of `code` with the name and rate the currencies file gives it.
    Currency& currency(const std::string& code, const std::string& currenciesFile);

    CategoryGroup& categoryGroup(const std::string& name);
    Category& category(const std::string& name, CategoryGroup* group);

    // A cleared transaction in one category ("" for none).
    Transaction& transaction(Account& account, Date date, const char* title, const char* amount,
                             const std::string& category);
    // A cleared transaction over several categories; its amount is the sum of the parts.
    Transaction& split(Account& account, Date date, const char* title,
                       const std::vector<Part>& parts);
    // Both sides of a transfer, cleared, in the category "Transfer".
    void transfer(Account& from, Account& to, Date date, const char* amount,
                  std::optional<std::string> title = std::nullopt);

    // Bank fields as a statement import leaves them: imported ones come from the statement,
    // matched ones were entered by hand and then found in it.
    void markImported(Transaction& transaction, const char* bankTitle, bool fromLastImport);
    void markMatched(Transaction& transaction, const char* bankTitle);

    // A scheduled item repeating every `interval` weeks or months from `nextDueDate`.
    ScheduledItem& scheduled(Account& account, const char* title, const char* amount,
                             const std::string& category, const char* repeatType, int interval,
                             Date nextDueDate);

private:
    Category* categoryNamed(const std::string& name) const;
    void setBankFields(Transaction& transaction, const char* bankTitle);

    ObjectContext& m_context;
    Node* m_root = nullptr;
    std::map<std::string, Category*> m_categories;
    int m_fitSequence = 0;
};
