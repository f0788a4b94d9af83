#include "QIFReader.h"

#include "DecimalReader.h"
#include "QIFDateReader.h"
#include "QIFTextScanner.h"
#include "StatementText.h"
#include "base/ParseError.h"
#include "base/StringHelpers.h"
#include "ledger/AmountRange.h"

namespace {

std::vector<std::string> copies(const std::vector<std::string_view>& views) {
    return {views.begin(), views.end()};
}

void setText(ImportDictionary& entry, const char* key, const std::optional<std::string>& text) {
    if (text) {
        entry.emplace(key, *text);
    }
}

void setName(ImportDictionary& entry, const char* key, const std::optional<std::string>& text) {
    if (text) {
        entry.emplace(key, QIFReader::processName(*text));
    }
}

// An amount of an entry: out of AmountRange it ends the read, naming the amount.
std::optional<Decimal> readAmount(const std::string& text) {
    std::optional<Decimal> value = QIFReader::readDecimal(text);
    if (value && !AmountRange::contains(*value)) {
        throw ParseError("PNParseError",
                         AmountRange::tooLargeMessage(QIFTextScanner::collapseWhiteSpace(text)));
    }
    return value;
}

void setDecimal(ImportDictionary& entry, const char* key, const std::optional<std::string>& text) {
    if (text) {
        if (std::optional<Decimal> value = readAmount(*text)) {
            entry.emplace(key, *value);
        }
    }
}

ImportDictionary statementTransaction(std::string_view record) {
    ImportDictionary entry;
    // The four keys below and the date the import adds from "dateString": a statement of a
    // million entries would otherwise grow each entry twice and keep room for eight.
    entry.reserve(5);
    std::optional<std::string> date = QIFReader::field("D", record);
    if (!date) {
        throw ParseError("PNParseError", "Missing date in record.");
    }
    entry.emplace("dateString", *date);
    std::optional<std::string> amountText = QIFReader::field("T", record);
    if (!amountText) {
        throw ParseError("PNParseError", "Missing amount in record.");
    }
    std::erase(*amountText, '$');
    std::optional<Decimal> amount = readAmount(*amountText);
    if (!amount) {
        throw ParseError("PNParseError", "Amount could not be parsed.");
    }
    entry.emplace("amount", *amount);
    setName(entry, "name", QIFReader::field("P", record));
    setName(entry, "memo", QIFReader::field("M", record));
    return entry;
}

// The P field of an exported transaction. Extension lines begin with "P" too, so a
// transaction without a payee would otherwise take "ennora_isPending NO" as its payee.
std::optional<std::string> payeeField(std::string_view record) {
    std::string_view rest = record;
    while (std::optional<std::string_view> value = QIFTextScanner::lineValue("P", rest)) {
        if (!value->starts_with("ennora_")) {
            return isBlank_pn(*value) ? std::nullopt : std::optional<std::string>(*value);
        }
        rest = rest.substr(static_cast<std::size_t>(value->data() - rest.data()) + value->size());
    }
    return std::nullopt;
}

ImportDictionary accountTransaction(std::string_view record) {
    ImportDictionary entry;
    if (std::optional<std::string> date = QIFReader::field("D", record)) {
        if (std::optional<Date> day = QIFReader::parseDate(*date)) {
            entry.emplace("date", *day);
        }
    }
    setText(entry, "payee", payeeField(record));
    setDecimal(entry, "amount", QIFReader::field("T", record));
    setText(entry, "memo", QIFReader::field("M", record));
    setText(entry, "category", QIFReader::field("L", record));
    entry.emplace("isPending", QIFReader::proprietaryField("Pennora_isPending", record) == "YES");
    if (auto check = QIFReader::proprietaryField("Pennora_checkNumber", record)) {
        if (std::optional<std::int64_t> number = DecimalReader::readPlainInteger(*check)) {
            entry.emplace("checkNumber", *number);
        }
    }
    setText(entry, "fitID", QIFReader::proprietaryField("Pennora_fitID", record));
    setText(entry, "referenceNumber",
            QIFReader::proprietaryField("Pennora_referenceNumber", record));
    setText(entry, "originalTitle", QIFReader::proprietaryField("Pennora_originalTitle", record));
    entry.emplace("splits", QIFReader::splits(record));
    return entry;
}

ImportDictionary accountFromSection(std::string_view section) {
    std::vector<std::string> parts = QIFReader::blocks(section, 2);
    std::string header = QIFReader::record(parts[0]);
    ImportDictionary account;
    setText(account, "name", QIFReader::field("N", header));
    setText(account, "type", QIFReader::field("T", header));
    setDecimal(account, "startBalance",
               QIFReader::proprietaryField("Pennora_startBalance", header));
    setText(account, "currency", QIFReader::proprietaryField("Pennora_currency", header));
    ImportArray transactions;
    for (std::string_view record : QIFTextScanner::records(parts[1])) {
        transactions.emplace_back(accountTransaction(record));
    }
    account.emplace("transactions", std::move(transactions));
    return account;
}

}  // namespace

ImportDictionary QIFReader::parseFileForTransactions(const std::string& path) {
    return parseForTransactions(StatementText::readFile(path));
}

ImportDictionary QIFReader::parseForTransactions(std::string_view text) {
    std::string storage;
    std::string_view valid = StatementText::asValidUTF8(text, storage);
    // Counted first so that the array is allocated once at its final size.
    std::size_t count = 0;
    QIFTextScanner::forEachRecord(valid, [&count](std::string_view) { ++count; });
    ImportArray transactions;
    transactions.reserve(count);
    QIFTextScanner::forEachRecord(valid, [&transactions](std::string_view record) {
        transactions.emplace_back(statementTransaction(record));
    });
    ImportDictionary account;
    account.emplace("transactions", std::move(transactions));
    ImportDictionary document;
    document.emplace("format", "qif");
    ImportArray accounts;  // not ImportArray{...}: an initializer list would copy the account
    accounts.emplace_back(std::move(account));
    document.emplace("accounts", std::move(accounts));
    return document;
}

ImportArray QIFReader::parseFile(const std::string& path) {
    return parse(StatementText::readFile(path));
}

ImportArray QIFReader::parse(std::string_view text) {
    std::string storage;
    ImportArray accounts;
    for (std::string_view section :
         QIFTextScanner::accountFragments(StatementText::asValidUTF8(text, storage))) {
        accounts.emplace_back(accountFromSection(section));
    }
    return accounts;
}

std::optional<std::string> QIFReader::guessDateOrder(const std::vector<std::string>& texts) {
    return QIFDateReader::guessDateOrder(texts);
}

std::optional<Date> QIFReader::parseDate(std::string_view text, std::string_view order) {
    return QIFDateReader::parseDate(text, order);
}

std::optional<Date> QIFReader::parseDate(std::string_view text) {
    return QIFDateReader::parseDate(text);
}

std::array<std::int64_t, 3> QIFReader::dateComponentsFromString(std::string_view text) {
    return QIFDateReader::dateComponentsFromString(text);
}

std::vector<std::string> QIFReader::records(std::string_view text) {
    return copies(QIFTextScanner::records(text));
}

std::vector<std::string> QIFReader::records(std::string_view text, int count) {
    std::vector<std::string> found = records(text);
    if (count != -1 && found.size() != static_cast<std::size_t>(count)) {
        throw ParseError("ParseError", "Expected " + std::to_string(count) + " records, but got " +
                                           std::to_string(found.size()) + ":\n" +
                                           std::string(text));
    }
    return found;
}

std::string QIFReader::record(std::string_view text) {
    return records(text, 1).front();
}

std::vector<std::string> QIFReader::blocks(std::string_view text, int count) {
    std::vector<std::string> found = copies(QIFTextScanner::blocks(text));
    if (count != -1 && found.size() != static_cast<std::size_t>(count)) {
        throw ParseError("ParseError", "Unexpected count");
    }
    return found;
}

std::vector<std::string> QIFReader::accountFragments(std::string_view text) {
    return copies(QIFTextScanner::accountFragments(text));
}

std::optional<std::string> QIFReader::field(std::string_view letter, std::string_view record) {
    std::optional<std::string_view> value = QIFTextScanner::lineValue(letter, record);
    if (!value || isBlank_pn(*value)) {
        return std::nullopt;
    }
    return std::string(*value);
}

std::optional<std::string> QIFReader::proprietaryField(std::string_view key,
                                                       std::string_view record) {
    std::optional<std::string_view> value =
        QIFTextScanner::lineValue(std::string(key) + " ", record);
    return value ? std::optional<std::string>(std::string(*value)) : std::nullopt;
}

ImportArray QIFReader::splits(std::string_view record) {
    ImportArray result;
    for (std::string_view match : QIFTextScanner::splits(record)) {
        ImportDictionary split;
        setText(split, "category", field("S", match));
        setText(split, "memo", field("E", match));
        setDecimal(split, "amount", field("$", match));
        result.emplace_back(std::move(split));
    }
    return result;
}

std::string QIFReader::processName(std::string_view text) {
    return QIFTextScanner::collapseWhiteSpace(text);
}

void QIFReader::check(std::int64_t value, std::set<std::int64_t>& set) {
    QIFDateReader::check(value, set);
}

int QIFReader::maxField(const std::set<std::int64_t>& first, const std::set<std::int64_t>& middle,
                        const std::set<std::int64_t>& last) {
    return QIFDateReader::maxField(first, middle, last);
}

std::optional<Decimal> QIFReader::readDecimal(std::string_view text) {
    return DecimalReader::readGroupedDecimal(text);
}
