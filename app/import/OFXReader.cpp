#include "OFXReader.h"

#include <map>

#include "DecimalReader.h"
#include "OFXElementScanner.h"
#include "QIFTextScanner.h"
#include "StatementText.h"
#include "base/DateFormatter.h"
#include "base/ParseError.h"
#include "base/UserLocale.h"
#include "ledger/AmountRange.h"

namespace {

using Views = std::vector<std::string_view>;

Views exactly(std::string_view tag, std::string_view text, int count) {
    Views found = OFXElementScanner::contents(text, tag);
    if (count != -1 && found.size() != static_cast<std::size_t>(count)) {
        throw ParseError("PNParseError", "Expected " + std::to_string(count) + " " +
                                             std::string(tag) + "(s), got " +
                                             std::to_string(found.size()) + " instead");
    }
    return found;
}

std::string_view one(std::string_view tag, std::string_view text) {
    return exactly(tag, text, 1).front();
}

std::optional<std::string_view> optional(std::string_view tag, std::string_view text) {
    Views found = OFXElementScanner::contents(text, tag);
    if (found.size() > 1) {
        throw ParseError("PNParseError", "Expected 0 or 1 " + std::string(tag) + "(s), got " +
                                             std::to_string(found.size()) + " instead");
    }
    return found.empty() ? std::nullopt : std::optional<std::string_view>(found.front());
}

Decimal amount(std::string_view text) {
    std::optional<Decimal> value = DecimalReader::readPlainDecimal(text);
    if (!value) {
        throw ParseError("PNParseError", "Amount could not be parsed.");
    }
    if (!AmountRange::contains(*value)) {
        throw ParseError("PNParseError", AmountRange::tooLargeMessage(text));
    }
    return *value;
}

void setOptionalText(ImportDictionary& entry, const char* key, std::string_view tag,
                     std::string_view text) {
    if (std::optional<std::string_view> value = optional(tag, text)) {
        entry.insert_or_assign(key, *value);
    }
}

void setDate(ImportDictionary& entry, const char* key, std::string_view text) {
    entry.erase(std::string(key));
    if (std::optional<Date> day = OFXReader::parseDate(text)) {
        entry.emplace(key, *day);
    }
}

ImportDictionary transactionEntry(std::string_view trn) {
    ImportDictionary entry;
    entry.emplace("DTPOSTED", one("DTPOSTED", trn));
    entry.emplace("amount", amount(one("TRNAMT", trn)));
    if (std::optional<std::string_view> name = optional("NAME", trn)) {
        entry.emplace("name", OFXReader::processName(*name));
    }
    if (std::optional<std::string_view> memo = optional("MEMO", trn)) {
        entry.emplace("memo", OFXReader::processName(*memo));
    }
    if (std::optional<std::string_view> check = optional("CHECKNUM", trn)) {
        if (std::optional<std::int64_t> number = DecimalReader::readPlainInteger(*check)) {
            entry.emplace("checkNumber", *number);
        }
    }
    setOptionalText(entry, "fitID", "FITID", trn);
    setOptionalText(entry, "referenceNumber", "REFNUM", trn);
    setOptionalText(entry, "transactionType", "TRNTYPE", trn);
    return entry;
}

void readTransactionList(ImportDictionary& account, std::string_view list) {
    setDate(account, "startDate", one("DTSTART", list));
    setDate(account, "endDate", one("DTEND", list));
    Views entries = OFXElementScanner::contents(list, "STMTTRN");
    ImportArray transactions;
    transactions.reserve(entries.size());
    for (std::string_view trn : entries) {
        transactions.emplace_back(transactionEntry(trn));
    }
    account.insert_or_assign("transactions", std::move(transactions));
}

void readBalances(ImportDictionary& account, std::string_view statement) {
    std::string_view ledger = one("LEDGERBAL", statement);
    account.emplace("ledgerBalance", amount(one("BALAMT", ledger)));
    setDate(account, "ledgerBalanceDate", one("DTASOF", ledger));
    for (std::string_view available : OFXElementScanner::contents(statement, "AVAILBAL")) {
        std::string_view balance = one("BALAMT", available);
        account.erase("availableBalance");
        if (std::optional<Decimal> value = DecimalReader::readPlainDecimal(balance)) {
            account.emplace("availableBalance", *value);
        }
        setDate(account, "availableBalanceDate", one("DTASOF", available));
    }
}

ImportDictionary accountEntry(const OFXElementScanner::TaggedContent& statement) {
    ImportDictionary account;
    account.emplace("aggregateType", statement.tag == "STMTRS" ? "OFXBankAggregateType"
                                                               : "OFXCreditCardAggregateType");
    std::string_view text = statement.content;
    account.emplace("ACCTID", one("ACCTID", text));
    setOptionalText(account, "currency", "CURDEF", text);
    setOptionalText(account, "BANKID", "BANKID", text);
    setOptionalText(account, "ACCTTYPE", "ACCTTYPE", text);
    Views lists = OFXElementScanner::contents(text, "BANKTRANLIST");
    for (std::string_view list : lists) {
        readTransactionList(account, list);
    }
    if (lists.empty() && !OFXElementScanner::contents(text, "STMTTRN").empty()) {
        // A list whose end tag is missing ends at its first child, so it reads as no list at
        // all: fail rather than import none of the transactions and report success.
        (void)exactly("BANKTRANLIST", text, 1);
    }
    readBalances(account, text);
    return account;
}

// One formatter per pattern and locale: building an ICU formatter costs far more than a parse.
// Per thread, as an ICU formatter parses with a calendar of its own that it changes: the
// desktop reads statements off the main thread, and two reads may overlap.
const DateFormatter& formatterFor(std::string_view format) {
    static thread_local std::map<std::string, DateFormatter> formatters;
    std::string key = UserLocale::current() + "|" + std::string(format);
    auto it = formatters.find(key);
    if (it == formatters.end()) {
        it = formatters.emplace(key, DateFormatter::withPattern(format)).first;
    }
    return it->second;
}

// The day of text that starts with "yyyyMMdd" of a valid day from 1600 on; nothing otherwise.
std::optional<Date> eightDigitDay(std::string_view text) {
    if (text.size() < 8) {
        return std::nullopt;
    }
    int digits[8];
    for (std::size_t i = 0; i < 8; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return std::nullopt;
        }
        digits[i] = text[i] - '0';
    }
    const int year = digits[0] * 1000 + digits[1] * 100 + digits[2] * 10 + digits[3];
    if (year < 1600) {
        return std::nullopt;
    }
    return Date::validDate(year, digits[4] * 10 + digits[5], digits[6] * 10 + digits[7]);
}

}  // namespace

ImportDictionary OFXReader::readTransactions(std::string_view input) {
    std::string storage;
    std::string_view text = StatementText::asValidUTF8(input, storage);
    ImportDictionary document;
    document.emplace("format", "ofx");
    setOptionalText(document, "LANGUAGE", "LANGUAGE", text);
    for (std::string_view fi : OFXElementScanner::contents(text, "FI")) {
        document.insert_or_assign("FI_ORG", one("ORG", fi));
        document.insert_or_assign("FI_FID", one("FID", fi));
    }
    ImportArray accounts;
    for (const auto& statement : OFXElementScanner::contentsByTags(text, {"STMTRS", "CCSTMTRS"})) {
        accounts.emplace_back(accountEntry(statement));
    }
    document.emplace("accounts", std::move(accounts));
    return document;
}

std::vector<std::string> OFXReader::elements(std::string_view tag, std::string_view text,
                                             int count) {
    Views found = exactly(tag, text, count);
    return {found.begin(), found.end()};
}

std::string OFXReader::element(std::string_view tag, std::string_view text) {
    return std::string(one(tag, text));
}

std::optional<std::string> OFXReader::optionalElement(std::string_view tag, std::string_view text) {
    std::optional<std::string_view> found = optional(tag, text);
    return found ? std::optional<std::string>(std::string(*found)) : std::nullopt;
}

std::vector<std::pair<std::string, std::string>> OFXReader::elementsByTags(
    const std::vector<std::string>& tags, std::string_view text) {
    std::vector<std::pair<std::string, std::string>> pairs;
    for (const auto& found : OFXElementScanner::contentsByTags(text, tags)) {
        pairs.emplace_back(found.tag, std::string(found.content));
    }
    return pairs;
}

std::optional<Date> OFXReader::parseDate(std::string_view text) {
    // Nearly every OFX date starts with eight digits of a Gregorian day; reading them directly
    // spares the date formatter, whose parse costs tens of microseconds (a large statement has
    // tens of thousands). Anything else, and days before the Gregorian calendar's general use,
    // which the formatter reads in the Julian calendar, go to the formatter.
    if (std::optional<Date> day = eightDigitDay(text)) {
        return day;
    }
    return parseDate(text, "yyyyMMdd");
}

std::optional<Date> OFXReader::parseDate(std::string_view text, std::string_view format) {
    return formatterFor(format).dateFromString(text);
}

std::string OFXReader::processName(std::string_view text) {
    std::string collapsed = QIFTextScanner::collapseWhiteSpace(text);
    std::string result;
    result.reserve(collapsed.size());
    for (std::size_t i = 0; i < collapsed.size();) {
        result.push_back(collapsed[i]);
        if (collapsed[i++] != '&') {
            continue;
        }
        // "(?i)&(amp;)+": drop every "amp;" that follows the ampersand.
        while (i + 4 <= collapsed.size() && (collapsed[i] | 0x20) == 'a' &&
               (collapsed[i + 1] | 0x20) == 'm' && (collapsed[i + 2] | 0x20) == 'p' &&
               collapsed[i + 3] == ';') {
            i += 4;
        }
    }
    return result;
}
