#include "StatementPreprocessor.h"

#include <optional>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

#include "OFXReader.h"
#include "QIFReader.h"
#include "base/ParseError.h"
#include "ledger/Account.h"

namespace {

// The text under `key`, or nothing when it is absent or not text.
std::optional<std::string> textAt(const ImportDictionary& dictionary, std::string_view key) {
    const ImportValue* value = dictionary.find(key);
    if (value == nullptr || !value->isText()) {
        return std::nullopt;
    }
    return value->text();
}

bool textIs(const ImportDictionary& dictionary, std::string_view key, std::string_view expected) {
    std::optional<std::string> text = textAt(dictionary, key);
    return text && *text == expected;
}

bool isOneOf(const std::optional<std::string>& text, std::initializer_list<std::string_view> set) {
    if (!text) {
        return false;
    }
    for (std::string_view candidate : set) {
        if (*text == candidate) {
            return true;
        }
    }
    return false;
}

// "dd/MM" in this year: some banks leave the year out of credit line postings.
std::optional<Date> yearlessDate(std::string_view text) {
    auto twoDigits = [&](std::size_t at) -> std::optional<int> {
        if (text.size() < at + 2 || !std::isdigit(static_cast<unsigned char>(text[at])) ||
            !std::isdigit(static_cast<unsigned char>(text[at + 1]))) {
            return std::nullopt;
        }
        return (text[at] - '0') * 10 + (text[at + 1] - '0');
    };
    std::optional<int> day = twoDigits(0);
    std::optional<int> month = twoDigits(3);
    if (!day || !month || text[2] != '/') {
        return std::nullopt;
    }
    return Date::validDate(Date::today_PN().year_PN(), *month, *day);
}

struct DocumentContext {
    std::optional<std::string> language;
    std::optional<std::string> fiOrg;
    std::optional<std::string> fiFid;
    std::optional<std::int64_t> specialBank;
    bool isOFX = false;
};

void settleDate(ImportDictionary& entry, const ImportDictionary& accountEntry,
                const DocumentContext& document, const Account& account) {
    if (document.isOFX) {
        std::optional<std::string> posted = textAt(entry, "DTPOSTED");
        std::optional<Date> date;
        if (posted) {
            bool creditLine =
                document.specialBank == 0 && textIs(accountEntry, "ACCTTYPE", "CREDITLINE");
            date = creditLine ? yearlessDate(*posted) : OFXReader::parseDate(*posted);
        }
        if (!date) {
            throw ParseError("PNParseError", "Date could not be parsed.");
        }
        entry.insert_or_assign("date", *date);
        return;
    }
    std::string dateString = textAt(entry, "dateString").value_or("");
    std::optional<Date> date;
    if (account.qifDateOrder()) {
        date = QIFReader::parseDate(dateString, *account.qifDateOrder());
    }
    if (!date) {
        throw ParseError("PNAmbiguousDateOrder", "Dates could not be parsed.",
                         {{"sampleText", dateString}, {"parseFailed", ""}});
    }
    entry.insert_or_assign("date", *date);
}

void completeEntry(ImportDictionary& entry) {
    if (!entry.contains("name")) {
        const ImportValue* memo = entry.find("memo");
        entry.insert_or_assign("name", memo != nullptr ? *memo : ImportValue("Unknown"));
    }
    if (!entry.contains("fitID")) {
        if (const ImportValue* reference = entry.find("referenceNumber")) {
            entry.insert_or_assign("fitID", *reference);
        }
    }
    const ImportValue* check = entry.find("checkNumber");
    std::optional<std::string> fitID = textAt(entry, "fitID");
    if (check != nullptr && check->isInteger() && fitID &&
        std::to_string(check->integer()) == *fitID) {
        entry.erase("checkNumber");
    }
}

void nameFromMemo(ImportDictionary& entry) {
    if (const ImportValue* memo = entry.find("memo")) {
        entry.insert_or_assign("name", *memo);
    }
}

// The first row whose bank condition holds is the only one applied.
void applyBankCorrections(ImportDictionary& entry, const ImportDictionary& accountEntry,
                          const DocumentContext& document) {
    if (document.specialBank) {
        if (*document.specialBank == 0) {
            entry.erase("fitID");
        }
        return;
    }
    auto documentIs = [&](std::string_view org, std::string_view fid) {
        return document.fiOrg == org && document.fiFid == fid;
    };
    if (document.language == "POR" && textIs(accountEntry, "currency", "BRL") &&
        textIs(accountEntry, "BANKID", "0104")) {
        entry.erase("fitID");
    } else if (textIs(accountEntry, "currency", "CAD") &&
               textIs(accountEntry, "BANKID", "130000100")) {
        nameFromMemo(entry);
    } else if (documentIs("Banco Leon", "AVERAVER")) {
        entry.erase("checkNumber");
    } else if (documentIs("Citibank", "2102")) {
        if (textIs(accountEntry, "ACCTTYPE", "CHECKING") &&
            isOneOf(textAt(entry, "name"),
                    {"DEBIT PURCHASE", "DEBIT PIN PURCHASE", "Not available"})) {
            nameFromMemo(entry);
        }
    } else if (documentIs("CMEFCU", "20586") && textIs(accountEntry, "ACCTTYPE", "CHECKING")) {
        static const std::regex withdrawal("POS Withdrawal #\\d+");
        std::optional<std::string> name = textAt(entry, "name");
        if (name && std::regex_search(*name, withdrawal)) {
            nameFromMemo(entry);
        }
    }
}

void settleQIFDateOrder(Account& account, const ImportArray& transactions) {
    if (account.qifDateOrder() || transactions.empty()) {
        return;
    }
    std::vector<std::string> texts;
    texts.reserve(transactions.size());
    for (const ImportValue& transaction : transactions) {
        texts.push_back(textAt(transaction.dictionary(), "dateString").value_or(""));
    }
    account.setQifDateOrder(QIFReader::guessDateOrder(texts));
    if (!account.qifDateOrder()) {
        throw ParseError("PNAmbiguousDateOrder", "The date order could not be determined.",
                         {{"sampleText", texts.front()}});
    }
}

}  // namespace

void StatementPreprocessor::preprocessDocument(Account& account, ImportDictionary& document) {
    DocumentContext context;
    context.language = textAt(document, "LANGUAGE");
    context.fiOrg = textAt(document, "FI_ORG");
    context.fiFid = textAt(document, "FI_FID");
    context.specialBank = account.specialBank();
    context.isOFX = textIs(document, "format", "ofx");
    ImportValue* accounts = document.find("accounts");
    if (accounts == nullptr || !accounts->isArray()) {
        return;
    }
    for (ImportValue& accountValue : accounts->array()) {
        ImportDictionary& accountEntry = accountValue.dictionary();
        ImportValue* transactions = accountEntry.find("transactions");
        if (transactions == nullptr || !transactions->isArray()) {
            continue;
        }
        if (textIs(document, "format", "qif")) {
            settleQIFDateOrder(account, transactions->array());
        }
        for (ImportValue& transaction : transactions->array()) {
            ImportDictionary& entry = transaction.dictionary();
            settleDate(entry, accountEntry, context, account);
            completeEntry(entry);
            applyBankCorrections(entry, accountEntry, context);
        }
    }
}
