#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "ImportValue.h"
#include "base/Date.h"
#include "base/Decimal.h"

class Account;
class Transaction;

// The counts of one statement import.
struct ImportSummary {
    std::int64_t matched = 0;
    std::int64_t created = 0;  // "new"
    std::int64_t duplicate = 0;
    bool operator==(const ImportSummary&) const = default;
};

// Imports one statement into one account: drops the entries the account already holds,
// merges an entry into a pending transaction entered by hand when one lies within 15 days
// with the same amount, and creates the rest as new imported transactions. The look-ups run
// on indexes built once from the account, so an import costs time in proportion to the
// entries, not to entries times transactions. Leaves its changes unsaved.
class StatementImporter final {
public:
    explicit StatementImporter(Account& account);

    // REQUIRES: the document has a format and, after preprocessing, exactly one account
    // entry (AssertionFailure otherwise). Throws the errors of preprocessing, before anything
    // is created. The first OFX import into an empty account sets its opening balance so that
    // the account then holds the statement's ledger balance, to the cent.
    ImportSummary importTransactions(ImportDictionary& document);

    // The same import in steps, for a front end that keeps its window live between them.
    // begin() preprocesses (throwing as above), sets the opening balance and sets the
    // duplicates aside; importNext() merges or creates up to `count` of the remaining entries.
    // REQUIRES: `document` stays alive and unchanged until the import is finished.
    void begin(ImportDictionary& document);
    void importNext(std::size_t count);
    // Empties the document's entries imported so far, handing back what they hold: for a
    // caller that drops the document once the import is over. The counts are kept.
    void releaseImportedEntries();
    bool isFinished() const { return m_next == m_accepted.size(); }
    // The entries that are not duplicates, and how many of them are imported so far.
    std::size_t acceptedCount() const { return m_accepted.size(); }
    std::size_t importedCount() const { return m_next; }
    // The counts so far (all duplicates are counted by begin()).
    const ImportSummary& summary() const { return m_summary; }

    // True when the account holds the entry already: by FIT ID, or by bank title, amount and
    // date (with a FIT ID only among transactions without one).
    bool isDuplicateTransaction(const ImportDictionary& entry);
    // The account's transaction with that FIT ID, or null.
    Transaction* findTransactionByFitID(const std::string& fitID);
    // The pending transaction of equal amount dated closest to the entry's date within 15
    // days either way. Equally close candidates: the earliest created (lowest sort ID) wins.
    Transaction* findTransactionToMerge(const ImportDictionary& entry);

private:
    struct BankKey {
        std::string title;
        Decimal amount;
        Date date;
        bool operator==(const BankKey&) const = default;
    };
    struct BankKeyHash {
        std::size_t operator()(const BankKey& key) const;
    };
    struct BankKeyCounts {
        int all = 0;
        int withoutFitID = 0;
    };
    using PendingByDate = std::multimap<Date, Transaction*>;

    void buildIndexes();
    void removeFromPending(Transaction* transaction);
    void setOpeningBalance(const ImportDictionary& accountEntry);

    Account& m_account;
    bool m_indexed = false;
    std::unordered_map<std::string, Transaction*> m_byFitID;
    std::unordered_map<BankKey, BankKeyCounts, BankKeyHash> m_byBankKey;
    std::unordered_map<Decimal, PendingByDate> m_pendingByAmount;
    std::vector<ImportDictionary*> m_accepted;
    std::size_t m_next = 0;
    std::size_t m_released = 0;  // entries before it are emptied
    ImportSummary m_summary;
};
