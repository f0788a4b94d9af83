// The per-bank corrections and the yearless credit line dates of statement preprocessing, on
// documents as the OFX reader makes them.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "base/Clock.h"
#include "base/ParseError.h"
#include "import/StatementPreprocessor.h"
#include "ledger/Account.h"
#include "session/ApplicationModel.h"
#include "store/ObjectContext.h"

namespace {

struct Bank {
    const char* language;
    const char* org;
    const char* fid;
    const char* currency;
    const char* bankID;
    const char* accountType;
};

constexpr Bank kPlainBank{"ENG", "Some Bank", "1", "USD", "1", "CHECKING"};

void setText(ImportDictionary& dictionary, const char* key, const char* value) {
    if (value != nullptr) {
        dictionary.insert_or_assign(key, value);
    }
}

// One OFX document with one entry: name, memo, FIT ID 77 and check number 12.
ImportDictionary document(const Bank& bank, const char* name, const char* memo,
                          const char* posted = "20100305") {
    ImportDictionary entry;
    entry.insert_or_assign("DTPOSTED", posted);
    entry.insert_or_assign("amount", Decimal::fromString("-1.00"));
    setText(entry, "name", name);
    setText(entry, "memo", memo);
    entry.insert_or_assign("fitID", "77");
    entry.insert_or_assign("checkNumber", 12);
    ImportDictionary account;
    setText(account, "currency", bank.currency);
    setText(account, "BANKID", bank.bankID);
    setText(account, "ACCTTYPE", bank.accountType);
    ImportArray entries;
    entries.emplace_back(std::move(entry));
    account.insert_or_assign("transactions", std::move(entries));
    ImportDictionary result;
    result.insert_or_assign("format", "ofx");
    setText(result, "LANGUAGE", bank.language);
    setText(result, "FI_ORG", bank.org);
    setText(result, "FI_FID", bank.fid);
    ImportArray accounts;
    accounts.emplace_back(std::move(account));
    result.insert_or_assign("accounts", std::move(accounts));
    return result;
}

const ImportDictionary& firstEntry(const ImportDictionary& document) {
    return document.at("accounts")
        .array()[0]
        .dictionary()
        .at("transactions")
        .array()[0]
        .dictionary();
}

// "name fitID checkNumber" after preprocessing, "-" for an absent one.
std::string corrected(ImportDictionary document, std::optional<std::int64_t> specialBank) {
    ObjectContext ctx(ApplicationModel::shared());
    Account* account = ctx.insert<Account>();
    account->setSpecialBank(specialBank);
    StatementPreprocessor::preprocessDocument(*account, document);
    const ImportDictionary& entry = firstEntry(document);
    const ImportValue* fitID = entry.find("fitID");
    const ImportValue* check = entry.find("checkNumber");
    return entry.at("name").text() + " " + (fitID ? fitID->text() : "-") + " " +
           (check ? std::to_string(check->integer()) : "-");
}

TEST(BankCorrections, FirstMatchingBankOnlyAndSpecialBanks) {
    const struct {
        const char* label;
        Bank bank;
        const char* name;
        std::optional<std::int64_t> specialBank;
        const char* expected;
    } kCases[] = {
        {"plain bank", kPlainBank, "SHOP", std::nullopt, "SHOP 77 12"},
        {"Brazilian 0104",
         {"POR", "X", "1", "BRL", "0104", "CHECKING"},
         "SHOP",
         std::nullopt,
         "SHOP - 12"},
        {"0104 not in Portuguese",
         {"ENG", "X", "1", "BRL", "0104", "CHECKING"},
         "SHOP",
         std::nullopt,
         "SHOP 77 12"},
        {"Canadian 130000100",
         {"ENG", "X", "1", "CAD", "130000100", "CHECKING"},
         "SHOP",
         std::nullopt,
         "the memo 77 12"},
        {"Banco Leon",
         {"SPA", "Banco Leon", "AVERAVER", "USD", "1", "CHECKING"},
         "SHOP",
         std::nullopt,
         "SHOP 77 -"},
        {"Citibank debit",
         {"ENG", "Citibank", "2102", "USD", "1", "CHECKING"},
         "DEBIT PIN PURCHASE",
         std::nullopt,
         "the memo 77 12"},
        {"Citibank other name",
         {"ENG", "Citibank", "2102", "USD", "1", "CHECKING"},
         "DEBIT",
         std::nullopt,
         "DEBIT 77 12"},
        {"Citibank savings",
         {"ENG", "Citibank", "2102", "USD", "1", "SAVINGS"},
         "Not available",
         std::nullopt,
         "Not available 77 12"},
        {"CMEFCU withdrawal",
         {"ENG", "CMEFCU", "20586", "USD", "1", "CHECKING"},
         "POS Withdrawal #4411 SHOP",
         std::nullopt,
         "the memo 77 12"},
        {"CMEFCU without number",
         {"ENG", "CMEFCU", "20586", "USD", "1", "CHECKING"},
         "POS Withdrawal #",
         std::nullopt,
         "POS Withdrawal # 77 12"},
        // The Brazilian row holds, so the Banco Leon row below it is not applied.
        {"first row wins",
         {"POR", "Banco Leon", "AVERAVER", "BRL", "0104", "CHECKING"},
         "SHOP",
         std::nullopt,
         "SHOP - 12"},
        {"special bank 0", kPlainBank, "SHOP", 0, "SHOP - 12"},
        // Any other special bank changes nothing and skips the table.
        {"special bank 3",
         {"SPA", "Banco Leon", "AVERAVER", "USD", "1", "CHECKING"},
         "SHOP",
         3,
         "SHOP 77 12"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(corrected(document(c.bank, c.name, "the memo"), c.specialBank), c.expected);
    }
}

TEST(BankCorrections, MemoCorrectionsNeedAMemo) {
    EXPECT_EQ(
        corrected(document({"ENG", "X", "1", "CAD", "130000100", "CHECKING"}, "SHOP", nullptr),
                  std::nullopt),
        "SHOP 77 12");
    EXPECT_EQ(corrected(document({"ENG", "Citibank", "2102", "USD", "1", "CHECKING"},
                                 "DEBIT PURCHASE", nullptr),
                        std::nullopt),
              "DEBIT PURCHASE 77 12");
}

TEST(BankCorrections, CreditLineDatesOfSpecialBankZeroHaveNoYear) {
    Clock::setFixedToday(Date::dateWithYear_PN(2011, 6, 15));
    const Bank creditLine{"ENG", "X", "1", "USD", "1", "CREDITLINE"};
    const struct {
        Bank bank;
        const char* posted;
        std::optional<std::int64_t> specialBank;
        std::optional<Date> expected;  // nothing: "Date could not be parsed."
    } kCases[] = {
        {creditLine, "05/03", 0, Date::dateWithYear_PN(2011, 3, 5)},
        {creditLine, "31/12", 0, Date::dateWithYear_PN(2011, 12, 31)},
        {creditLine, "29/02", 0, std::nullopt},             // 2011 has no 29 February
        {creditLine, "20100305", 0, std::nullopt},          // a full date is not day/month
        {creditLine, "05/03", std::nullopt, std::nullopt},  // only for special bank 0
        {creditLine, "20100305", std::nullopt, Date::dateWithYear_PN(2010, 3, 5)},
        {kPlainBank, "05/03", 0, std::nullopt},  // only credit lines
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(std::string(c.posted) + " " + c.bank.accountType);
        ImportDictionary doc = document(c.bank, "SHOP", nullptr, c.posted);
        ObjectContext ctx(ApplicationModel::shared());
        Account* account = ctx.insert<Account>();
        account->setSpecialBank(c.specialBank);
        if (!c.expected) {
            try {
                StatementPreprocessor::preprocessDocument(*account, doc);
                ADD_FAILURE() << "no error";
            } catch (const ParseError& error) {
                EXPECT_EQ(error.kind(), "PNParseError");
                EXPECT_EQ(error.reason(), "Date could not be parsed.");
            }
            continue;
        }
        StatementPreprocessor::preprocessDocument(*account, doc);
        EXPECT_EQ(firstEntry(doc).at("date").date(), *c.expected);
    }
    Clock::reset();
}

}  // namespace
