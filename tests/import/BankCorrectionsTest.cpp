// The per-bank corrections and the yearless credit line dates of statement preprocessing, on
// documents as the OFX reader makes them.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "ImportTestSupport.h"
#include "TestApplicationModel.h"
#include "base/Clock.h"
#include "import/OFXReader.h"
#include "import/StatementPreprocessor.h"

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

// One statement with one entry: name, memo (none for nullptr), FIT ID 77 and check number 12.
ImportDictionary document(const Bank& b, const char* name, const char* memo,
                          const char* posted = "20100305") {
    const std::string head = std::string("<LANGUAGE>") + b.language + "<FI><ORG>" + b.org +
                             "<FID>" + b.fid + "</FI><STMTRS><CURDEF>" + b.currency +
                             "<BANKACCTFROM><BANKID>" + b.bankID + "<ACCTID>1<ACCTTYPE>" +
                             b.accountType + "</BANKACCTFROM>";
    const std::string entry = std::string("<STMTTRN><DTPOSTED>") + posted +
                              "<TRNAMT>-1.00<FITID>77<CHECKNUM>12<NAME>" + name +
                              (memo ? std::string("<MEMO>") + memo : "") + "</STMTTRN>";
    return OFXReader::readTransactions(head + "<BANKTRANLIST><DTSTART>1<DTEND>2" + entry +
                                       "</BANKTRANLIST><LEDGERBAL><BALAMT>1<DTASOF>2"
                                       "</LEDGERBAL></STMTRS>");
}

const ImportDictionary& firstEntry(const ImportDictionary& document) {
    return entriesOf(document)[0].dictionary();
}

// The preprocessed document of an account with `specialBank`.
ImportDictionary preprocessed(ImportDictionary document, std::optional<std::int64_t> specialBank) {
    ObjectContext ctx(applicationModel());
    Account* account = ctx.insert<Account>();
    account->setSpecialBank(specialBank);
    StatementPreprocessor::preprocessDocument(*account, document);
    return document;
}

TEST(BankCorrections, FirstMatchingBankOnlyAndSpecialBanks) {
    const Bank brazil{"POR", "X", "1", "BRL", "0104", "CHECKING"};
    const Bank brazilInEnglish{"ENG", "X", "1", "BRL", "0104", "CHECKING"};
    const Bank brazilNamedLeon{"POR", "Banco Leon", "AVERAVER", "BRL", "0104", "CHECKING"};
    const Bank canada{"ENG", "X", "1", "CAD", "130000100", "CHECKING"};
    const Bank leon{"SPA", "Banco Leon", "AVERAVER", "USD", "1", "CHECKING"};
    const Bank citi{"ENG", "Citibank", "2102", "USD", "1", "CHECKING"};
    const Bank citiSavings{"ENG", "Citibank", "2102", "USD", "1", "SAVINGS"};
    const Bank cmefcu{"ENG", "CMEFCU", "20586", "USD", "1", "CHECKING"};
    const char* memo = "the memo";
    const struct {
        const char* label;
        Bank bank;
        const char* name;
        const char* memo;
        std::optional<std::int64_t> specialBank;
        const char* expected;  // "name fitID checkNumber", "-" for an absent one
    } kCases[] = {
        {"plain bank", kPlainBank, "SHOP", memo, {}, "SHOP 77 12"},
        {"Brazilian 0104", brazil, "SHOP", memo, {}, "SHOP - 12"},
        {"0104 not in Portuguese", brazilInEnglish, "SHOP", memo, {}, "SHOP 77 12"},
        {"Canadian 130000100", canada, "SHOP", memo, {}, "the memo 77 12"},
        {"Canadian without memo", canada, "SHOP", nullptr, {}, "SHOP 77 12"},
        {"Banco Leon", leon, "SHOP", memo, {}, "SHOP 77 -"},
        {"Citibank debit", citi, "DEBIT PIN PURCHASE", memo, {}, "the memo 77 12"},
        {"Citibank without memo", citi, "DEBIT PURCHASE", nullptr, {}, "DEBIT PURCHASE 77 12"},
        {"Citibank other name", citi, "DEBIT", memo, {}, "DEBIT 77 12"},
        {"Citibank savings", citiSavings, "Not available", memo, {}, "Not available 77 12"},
        {"CMEFCU withdrawal", cmefcu, "POS Withdrawal #4411 SHOP", memo, {}, "the memo 77 12"},
        {"CMEFCU without number", cmefcu, "POS Withdrawal #", memo, {}, "POS Withdrawal # 77 12"},
        // The Brazilian row holds, so the Banco Leon row below it is not applied.
        {"first row wins", brazilNamedLeon, "SHOP", memo, {}, "SHOP - 12"},
        {"special bank 0", kPlainBank, "SHOP", memo, 0, "SHOP - 12"},
        // Any other special bank changes nothing and skips the table.
        {"special bank 3", leon, "SHOP", memo, 3, "SHOP 77 12"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.label);
        ImportDictionary document = preprocessed(::document(c.bank, c.name, c.memo), c.specialBank);
        const ImportDictionary& entry = firstEntry(document);
        const ImportValue* fitID = entry.find("fitID");
        const ImportValue* check = entry.find("checkNumber");
        EXPECT_EQ(entry.at("name").text() + " " + (fitID ? fitID->text() : "-") + " " +
                      (check ? std::to_string(check->integer()) : "-"),
                  c.expected);
    }
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
        if (!c.expected) {
            EXPECT_EQ(parseFailure([&] { (void)preprocessed(doc, c.specialBank); }),
                      "PNParseError: Date could not be parsed.");
            continue;
        }
        EXPECT_EQ(firstEntry(preprocessed(doc, c.specialBank)).at("date").date(), *c.expected);
    }
    Clock::reset();
}

}  // namespace
