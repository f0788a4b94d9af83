#pragma once

#include <string>
#include <string_view>

#include "ImportValue.h"

class Account;
class Transaction;

// Turning statement entries into transactions: the bank title written for display, a new
// imported transaction, and a pending transaction receiving a statement entry.
class ImportedTransactions final {
public:
    ImportedTransactions() = delete;

    // Each word (separated by spaces, tabs or line ends) with its first letter upper case and
    // the rest lower case, for every letter, not only ASCII ones: "ACME STORE #12" becomes
    // "Acme Store #12", "CAFÉ MÜLLER" "Café Müller".
    static std::string capitalizedTitle(std::string_view title);
    // A new imported, new, cleared transaction in `account` carrying the entry's bank fields
    // (date, amount, name, checkNumber, fitID), titled with the capitalised bank title.
    static Transaction* createFromEntry(Account& account, const ImportDictionary& entry);
    // The same from another transaction's bank fields (undoing a match).
    static Transaction* createFromBankFields(Account& account, const Transaction& source);
    // Writes the entry's bank fields into a pending transaction, which takes the bank's check
    // number (also none) and stops being pending. Title, date, amount and splits stay.
    static void mergeEntry(Transaction& pending, const ImportDictionary& entry);
};
