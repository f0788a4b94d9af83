#include "StatementImporter.h"

#include <algorithm>
#include <cstdlib>
#include <functional>

#include "ImportedTransactions.h"
#include "StatementPreprocessor.h"
#include "base/AssertionFailure.h"
#include "ledger/Account.h"
#include "ledger/Transaction.h"

namespace {

constexpr int kMergeWindowDays = 15;

const std::string* fitIDOf(const ImportDictionary& entry) {
    const ImportValue* fitID = entry.find("fitID");
    return fitID != nullptr && fitID->isText() ? &fitID->text() : nullptr;
}

}  // namespace

std::size_t StatementImporter::BankKeyHash::operator()(const BankKey& key) const {
    std::size_t hash = std::hash<std::string>()(key.title);
    hash = hash * 31 + std::hash<Decimal>()(key.amount);
    return hash * 31 + std::hash<Date>()(key.date);
}

StatementImporter::StatementImporter(Account& account) : m_account(account) {}

void StatementImporter::buildIndexes() {
    if (m_indexed) {
        return;
    }
    m_indexed = true;
    for (Transaction* transaction : m_account.transactions()) {
        if (const auto& fitID = transaction->ofxFitID()) {
            bool unique = m_byFitID.emplace(*fitID, transaction).second;
            PN_ASSERT(unique, "Two transactions of an account share a FIT ID");
        }
        if (transaction->ofxTitle() && transaction->ofxAmount() && transaction->ofxDate()) {
            BankKeyCounts& counts =
                m_byBankKey[BankKey{std::string(*transaction->ofxTitle()),
                                    *transaction->ofxAmount(), *transaction->ofxDate()}];
            ++counts.all;
            if (!transaction->ofxFitID()) {
                ++counts.withoutFitID;
            }
        }
        if (transaction->isPending()) {
            m_pendingByAmount[transaction->amount()].emplace(transaction->date(), transaction);
        }
    }
}

bool StatementImporter::isDuplicateTransaction(const ImportDictionary& entry) {
    buildIndexes();
    const std::string* fitID = fitIDOf(entry);
    if (fitID != nullptr && m_byFitID.contains(*fitID)) {
        return true;
    }
    auto found = m_byBankKey.find(
        BankKey{entry.at("name").text(), entry.at("amount").decimal(), entry.at("date").date()});
    if (found == m_byBankKey.end()) {
        return false;
    }
    return fitID != nullptr ? found->second.withoutFitID > 0 : found->second.all > 0;
}

Transaction* StatementImporter::findTransactionByFitID(const std::string& fitID) {
    buildIndexes();
    auto found = m_byFitID.find(fitID);
    return found == m_byFitID.end() ? nullptr : found->second;
}

Transaction* StatementImporter::findTransactionToMerge(const ImportDictionary& entry) {
    buildIndexes();
    auto byAmount = m_pendingByAmount.find(entry.at("amount").decimal());
    if (byAmount == m_pendingByAmount.end()) {
        return nullptr;
    }
    Date date = entry.at("date").date();
    Transaction* best = nullptr;
    int bestDistance = 0;
    auto last = byAmount->second.upper_bound(date.daysLater_PN(kMergeWindowDays));
    for (auto it = byAmount->second.lower_bound(date.daysAgo_PN(kMergeWindowDays)); it != last;
         ++it) {
        int distance = std::abs(it->first.numberOfDaysAfter_PN(date));
        if (best == nullptr || distance < bestDistance ||
            (distance == bestDistance && it->second->sortID() < best->sortID())) {
            best = it->second;
            bestDistance = distance;
        }
    }
    return best;
}

void StatementImporter::removeFromPending(Transaction* transaction) {
    auto byAmount = m_pendingByAmount.find(transaction->amount());
    if (byAmount == m_pendingByAmount.end()) {
        return;
    }
    auto [first, last] = byAmount->second.equal_range(transaction->date());
    for (auto it = first; it != last; ++it) {
        if (it->second == transaction) {
            byAmount->second.erase(it);
            return;
        }
    }
}

void StatementImporter::setOpeningBalance(const ImportDictionary& accountEntry) {
    // From the amounts the transactions will hold and the ledger balance to the cent: some
    // banks write many more places (money-market funds), and the balance after the first
    // import must be the statement's to the cent.
    Decimal sum;
    if (const ImportValue* transactions = accountEntry.find("transactions")) {
        for (const ImportValue& entry : transactions->array()) {
            sum = sum + Transaction::roundedAmount(entry.dictionary().at("amount").decimal());
        }
    }
    m_account.setStartBalance(
        Transaction::roundedAmount(accountEntry.at("ledgerBalance").decimal()) - sum);
}

ImportSummary StatementImporter::importTransactions(ImportDictionary& document) {
    begin(document);
    importNext(m_accepted.size());
    return m_summary;
}

void StatementImporter::begin(ImportDictionary& document) {
    PN_ASSERT(document.contains("format"), "An import document needs a format");
    StatementPreprocessor::preprocessDocument(m_account, document);
    ImportValue* accounts = document.find("accounts");
    PN_ASSERT(accounts != nullptr && accounts->isArray() && accounts->array().size() == 1,
              "An import document needs exactly one account entry");
    ImportDictionary& accountEntry = accounts->array().front().dictionary();
    ImportValue* transactions = accountEntry.find("transactions");
    ImportArray empty;
    ImportArray& entries = transactions != nullptr ? transactions->array() : empty;

    if (document.at("format").text() == "ofx" && m_account.transactions().empty() &&
        accountEntry.contains("ledgerBalance")) {
        setOpeningBalance(accountEntry);
    }

    m_summary = ImportSummary();
    m_accepted.clear();
    m_accepted.reserve(entries.size());
    m_next = 0;
    m_released = 0;
    std::unordered_set<std::string> fitIDsInFile;
    for (ImportValue& value : entries) {
        ImportDictionary& entry = value.dictionary();
        const std::string* fitID = fitIDOf(entry);
        bool repeatsFile = fitID != nullptr && fitIDsInFile.contains(*fitID);
        if (repeatsFile || isDuplicateTransaction(entry)) {
            ++m_summary.duplicate;
            continue;
        }
        if (fitID != nullptr) {
            fitIDsInFile.insert(*fitID);
        }
        m_accepted.push_back(&entry);
    }
}

void StatementImporter::releaseImportedEntries() {
    for (; m_released < m_next; ++m_released) {
        *m_accepted[m_released] = ImportDictionary();
    }
}

void StatementImporter::importNext(std::size_t count) {
    const std::size_t end = m_next + std::min(count, m_accepted.size() - m_next);
    for (; m_next < end; ++m_next) {
        const ImportDictionary& entry = *m_accepted[m_next];
        if (Transaction* pending = findTransactionToMerge(entry)) {
            removeFromPending(pending);
            ImportedTransactions::mergeEntry(*pending, entry);
            ++m_summary.matched;
        } else {
            ImportedTransactions::createFromEntry(m_account, entry);
            ++m_summary.created;
        }
    }
}
