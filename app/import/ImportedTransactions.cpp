#include "ImportedTransactions.h"

#include <unicode/locid.h>
#include <unicode/stringoptions.h>
#include <unicode/unistr.h>

#include <algorithm>
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

bool isASCII(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// `word` with its first character in title case and the rest in lower case. Bank titles are
// mostly ASCII; any other word goes through ICU's full case mapping, so "MÜLLER" becomes
// "Müller" and "ÉCOLE" "École".
std::string capitalizedWord(std::string_view word) {
    if (isASCII(word)) {
        std::string result(word);
        for (std::size_t i = 0; i < result.size(); ++i) {
            result[i] = i == 0 ? asciiUpper(result[i]) : asciiLower(result[i]);
        }
        return result;
    }
    icu::UnicodeString text = icu::UnicodeString::fromUTF8(
        icu::StringPiece(word.data(), static_cast<int32_t>(word.size())));
    // The word is one unit whose very first character is title-cased, as in the ASCII case
    // ("#12" stays as it is).
    text.toTitle(nullptr, icu::Locale::getRoot(),
                 U_TITLECASE_WHOLE_STRING | U_TITLECASE_NO_BREAK_ADJUSTMENT);
    std::string result;
    return text.toUTF8String(result);
}

}  // namespace

std::string ImportedTransactions::capitalizedTitle(std::string_view title) {
    std::string result;
    result.reserve(title.size());
    std::size_t at = 0;
    while (at < title.size()) {
        if (isWordSeparator(title[at])) {
            result += title[at++];
            continue;
        }
        std::size_t end = at;
        while (end < title.size() && !isWordSeparator(title[end])) {
            ++end;
        }
        result += capitalizedWord(title.substr(at, end - at));
        at = end;
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
    return createImported(account, BankFields{*source.ofxAmount(), std::string(*source.ofxTitle()),
                                              *source.ofxDate(), source.ofxCheckNumber(),
                                              std::optional<std::string>(source.ofxFitID())});
}

void ImportedTransactions::mergeEntry(Transaction& pending, const ImportDictionary& entry) {
    BankFields fields = fieldsOfEntry(entry);
    setBankFields(pending, fields);
    pending.setCheckNumber(fields.checkNumber);
    pending.setIsPending(false);
}
