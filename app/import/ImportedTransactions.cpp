#include "ImportedTransactions.h"

#include <optional>

#include "base/AssertionFailure.h"
#include "ledger/Account.h"
#include "ledger/Transaction.h"
#include "store/ObjectContext.h"

namespace {

struct BankFields {
    Decimal amount;
    std::string title;
    Date date;
    std::optional<std::int64_t> checkNumber;
    std::optional<std::string> fitID;
};

BankFields fieldsOfEntry(const ImportDictionary& entry) {
    BankFields fields;
    fields.amount = entry.at("amount").decimal();
    fields.title = entry.at("name").text();
    fields.date = entry.at("date").date();
    if (const ImportValue* check = entry.find("checkNumber"); check && check->isInteger()) {
        fields.checkNumber = check->integer();
    }
    if (const ImportValue* fitID = entry.find("fitID"); fitID && fitID->isText()) {
        fields.fitID = fitID->text();
    }
    return fields;
}

void setBankFields(Transaction& transaction, const BankFields& fields) {
    transaction.setOfxAmount(fields.amount);
    transaction.setOfxTitle(fields.title);
    transaction.setOfxDate(fields.date);
    transaction.setOfxCheckNumber(fields.checkNumber);
    transaction.setOfxFitID(fields.fitID);
}

Transaction* createImported(Account& account, const BankFields& fields) {
    Transaction* transaction = account.managedObjectContext()->insert<Transaction>();
    setBankFields(*transaction, fields);
    transaction->setTitle(ImportedTransactions::capitalizedTitle(fields.title));
    transaction->setAmount(fields.amount);
    transaction->setDate(fields.date);
    transaction->setCheckNumber(fields.checkNumber);
    transaction->setIsImported(true);
    transaction->setIsPending(false);
    transaction->setIsNew(true);
    transaction->setAccount(&account);
    return transaction;
}

bool isWordSeparator(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

char asciiUpper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

char asciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

std::string ImportedTransactions::capitalizedTitle(std::string_view title) {
    std::string result(title);
    bool atWordStart = true;
    for (char& c : result) {
        if (isWordSeparator(c)) {
            atWordStart = true;
            continue;
        }
        c = atWordStart ? asciiUpper(c) : asciiLower(c);
        atWordStart = false;
    }
    return result;
}

Transaction* ImportedTransactions::createFromEntry(Account& account,
                                                   const ImportDictionary& entry) {
    return createImported(account, fieldsOfEntry(entry));
}

Transaction* ImportedTransactions::createFromBankFields(Account& account,
                                                        const Transaction& source) {
    PN_ASSERT(source.ofxAmount() && source.ofxTitle() && source.ofxDate(),
              "A transaction without bank fields cannot give an imported one");
    return createImported(account,
                          BankFields{*source.ofxAmount(), *source.ofxTitle(), *source.ofxDate(),
                                     source.ofxCheckNumber(), source.ofxFitID()});
}

void ImportedTransactions::mergeEntry(Transaction& pending, const ImportDictionary& entry) {
    BankFields fields = fieldsOfEntry(entry);
    setBankFields(pending, fields);
    pending.setCheckNumber(fields.checkNumber);
    pending.setIsPending(false);
}
