#include <gtest/gtest.h>

#include <string>

#include "ImportTestSupport.h"
#include "import/QIFReader.h"

namespace {

TEST(QIFReaderStatement, HeaderIgnoredEveryRecordReadTrailingLinesDropped) {
    const char* text =
        "!Type:Bank\n"
        "D03/15/2009\nT-1,234.56\nPACME   STORE  #12\nMpaid\tby  card\nN1001\nCX\nLFood\n^\n"
        "D03/16/2009\nT$12.00\nP \n^  \n"
        "D03/17/2009\nT5.00\n";
    EXPECT_EQ(describe(QIFReader::parseForTransactions(text)),
              "{accounts: [{transactions: ["
              "{amount: -1234.56, dateString: \"03/15/2009\", memo: \"paid by card\", "
              "name: \"ACME STORE #12\"}, "
              "{amount: 12, dateString: \"03/16/2009\"}]}], format: \"qif\"}");
}

TEST(QIFReaderStatement, NoCaretLineOrEmptyTextGivesNoTransactions) {
    for (const char* text : {"", "!Type:Bank\nD03/15/2009\nT-1.00\n", "^x\n^ y\n"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(describe(QIFReader::parseForTransactions(text)),
                  "{accounts: [{transactions: []}], format: \"qif\"}");
    }
}

TEST(QIFReaderStatement, CRLFLinesAndDateKeptAsWritten) {
    ImportDictionary document =
        QIFReader::parseForTransactions("!Type:CCard\r\nD 1/ 5'10 \r\nT-3.5\r\n^\r\n");
    EXPECT_EQ(describe(document),
              "{accounts: [{transactions: [{amount: -3.5, dateString: \" 1/ 5'10 \"}]}], "
              "format: \"qif\"}");
}

TEST(QIFReaderStatement, BadRecordsEndTheReadWithTheirReason) {
    struct Case {
        const char* text;
        const char* reason;
    };
    const Case cases[] = {
        {"D03/15/2009\nT1\n^\nD \nT1\n^\n", "Missing date in record."},
        {"T1\n^\n", "Missing date in record."},
        {"D03/15/2009\n^\n", "Missing amount in record."},
        {"D03/15/2009\nT  \n^\n", "Missing amount in record."},
        {"D03/15/2009\nTabc\n^\n", "Amount could not be parsed."},
        {"D03/15/2009\nT$\n^\n", "Amount could not be parsed."},
        {"D03/15/2009\nT1,50\n^\n", "Amount could not be parsed."},
        {"D03/15/2009\nT1.234,56\n^\n", "Amount could not be parsed."},
        {"D03/15/2009\nT-1,000,000,000,000,000.00\n^\n",
         "The amount -1,000,000,000,000,000.00 is too large: an amount may have at most 15 "
         "digits before the decimal point."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(parseFailure([&] { (void)QIFReader::parseForTransactions(c.text); }),
                  std::string("PNParseError: ") + c.reason);
    }
}

TEST(QIFReaderNumbers, DecimalReaderGroupsThousandsAndStaysExact) {
    struct Case {
        const char* text;
        const char* expected;  // nullptr: not a number
    };
    const Case cases[] = {
        {"-1,234.56", "-1234.56"},
        {"+123", "123"},
        {"10,000,000.00", "10000000"},
        {".5", "0.5"},
        {"-.5", "-0.5"},
        {" 12.25 ", "12.25"},
        {"0.10", "0.1"},
        {"1234567", "1234567"},
        {"123456789012345678901234567890.1234", "123456789012345678901234567890.1234"},
        {"1,50", nullptr},
        {"1,2345", nullptr},
        {",123", nullptr},
        {"1,,000", nullptr},
        {"1.2.3", nullptr},
        {"12-", nullptr},
        {"", nullptr},
        {"-", nullptr},
        {"1 000", nullptr},
        {"=746.36", nullptr},
        {"1234567890123456789012345678901234567", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        std::optional<Decimal> value = QIFReader::readDecimal(c.text);
        ASSERT_EQ(value.has_value(), c.expected != nullptr);
        if (value) {
            EXPECT_EQ(value->toString(), c.expected);
        }
    }
}

TEST(QIFReaderFields, FirstLineWithTheLetterBlankIsAbsent) {
    const std::string record = "!Type:Bank\nDx\nP  ACME \nTa\nT-2\nM\t\n$=1\n/b\n^\n";
    EXPECT_EQ(QIFReader::field("P", record), "  ACME ");
    EXPECT_EQ(QIFReader::field("T", record), "a");
    EXPECT_EQ(QIFReader::field("M", record), std::nullopt);
    EXPECT_EQ(QIFReader::field("$", record), "=1");
    EXPECT_EQ(QIFReader::field("/", record), "b");
    EXPECT_EQ(QIFReader::field("d", record), std::nullopt);
    EXPECT_EQ(QIFReader::proprietaryField("Pennora_fitID", "Pennora_fitID \nX"), "");
    EXPECT_EQ(QIFReader::proprietaryField("Pennora_fitID", "Pennora_fitIDX 1\n"), std::nullopt);
}

TEST(QIFReaderStructure, RecordAndBlockCountsAreChecked) {
    const std::string text = "Da\n^\nDb\n^\n";
    EXPECT_EQ(QIFReader::records(text, 2), (std::vector<std::string>{"Da\n^", "Db\n^\n"}));
    EXPECT_EQ(parseFailure([&] { (void)QIFReader::record(text); }),
              "ParseError: Expected 1 records, but got 2:\n" + text);
    EXPECT_EQ(parseFailure([] { (void)QIFReader::blocks("!Account\nNa\n^\n", 2); }),
              "ParseError: Unexpected count");
    // An account block without its record.
    EXPECT_EQ(
        parseFailure([] {
            (void)QIFReader::parse("!Account\nNChecking\nTBank\n!Type:Bank\nD1/2/09\nT1\n^\n");
        }).substr(0, 46),
        "ParseError: Expected 1 records, but got 0:\n!Ac");
}

const char* const kExport =
    "!Option:AutoSwitch\n"
    "!Account\nNChecking\nTBank\nPennora_startBalance 1,000.50\nPennora_currency EUR\n^\n"
    "!Type:Bank\n"
    "D3/15/2009\nPGrocer\nT-75.00\nMweekly\nLFood\nSFood\nEmilk\n$-50.00\nSHome\n$-25.00\n"
    "Pennora_isPending YES\nPennora_checkNumber 0012\nPennora_fitID F1\n"
    "Pennora_referenceNumber R1\nPennora_originalTitle GROCER 12\n^\n"
    "D2/30/2009\nTabc\nPennora_isPending yes\n^\n"
    "!Account\nNBroker\nTInvst\n^\n!Type:Invst\nD3/1/2009\nT10\n^\n"
    "!Account\nNWallet\nTCash\n^\n!Type:Cash\nD2019-03-31\nT-5\n^\n"
    "!Account\nNCard\nTCCard\n^\n!Type:CCard\n";

TEST(QIFReaderAccounts, BankCashAndCardAccountsReadInvestmentSkipped) {
    ImportArray accounts = QIFReader::parse(kExport);
    ASSERT_EQ(accounts.size(), 3u);
    EXPECT_EQ(accounts[0].description(),
              "{currency: \"EUR\", name: \"Checking\", startBalance: 1000.5, transactions: ["
              "{amount: -75, category: \"Food\", checkNumber: #12, date: @2009-03-15, "
              "fitID: \"F1\", isPending: true, memo: \"weekly\", originalTitle: \"GROCER 12\", "
              "payee: \"Grocer\", referenceNumber: \"R1\", splits: ["
              "{amount: -50, category: \"Food\", memo: \"milk\"}, "
              "{amount: -25, category: \"Home\"}]}, "
              "{isPending: false, splits: []}], type: \"Bank\"}");
    EXPECT_EQ(accounts[1].description(),
              "{name: \"Wallet\", transactions: [{amount: -5, date: @2019-03-31, "
              "isPending: false, splits: []}], type: \"Cash\"}");
    EXPECT_EQ(accounts[2].description(), "{name: \"Card\", transactions: [], type: \"CCard\"}");
}

}  // namespace
