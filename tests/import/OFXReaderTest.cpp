#include <gtest/gtest.h>

#include <string>

#include "ImportTestSupport.h"
#include "import/OFXReader.h"

namespace {

TEST(OFXReader, SGMLWithoutLeafEndTagsEqualsXMLWithThem) {
    const std::string trn1 =
        "<STMTTRN><TRNTYPE>CHECK<DTPOSTED>20090315120000.000[-5:EST]<TRNAMT>-1500.00"
        "<FITID>F1<CHECKNUM>0001001<NAME>ACME   &amp;amp; SONS<MEMO></STMTTRN>";
    const std::string trn2 =
        "<STMTTRN><TRNTYPE>CREDIT<DTPOSTED>20090316<TRNAMT>+115.8331<REFNUM>R9"
        "<MEMO>Pay\n roll</STMTTRN>";
    const std::string head =
        "<OFX><SIGNONMSGSRSV1><SONRS><LANGUAGE>ENG<FI><ORG>Example Bank<FID>1234</FI></SONRS>"
        "</SIGNONMSGSRSV1><BANKMSGSRSV1><STMTTRNRS><STMTRS><CURDEF>USD<BANKACCTFROM>"
        "<BANKID>121000248<ACCTID>00123<ACCTTYPE>CHECKING</BANKACCTFROM><BANKTRANLIST>"
        "<DTSTART>20090301<DTEND>20090331120000[-5:EST]";
    const std::string tail =
        "</BANKTRANLIST><LEDGERBAL><BALAMT>382.34<DTASOF>20090331</LEDGERBAL>"
        "<AVAILBAL><BALAMT>682.34<DTASOF>20090330</AVAILBAL></STMTRS></STMTTRNRS>"
        "</BANKMSGSRSV1></OFX>";
    const std::string sgml = "OFXHEADER:100\nDATA:OFXSGML\n\n" + head + trn1 + trn2 + tail;

    std::string xml =
        "<?xml version=\"1.0\"?>\n<?OFX OFXHEADER=\"200\"?>\n" + head + trn1 + trn2 + tail;
    // Close every leaf the way an XML writer does.
    for (const char* leaf : {"LANGUAGE", "ORG", "FID", "CURDEF", "BANKID", "ACCTID", "ACCTTYPE",
                             "DTSTART", "DTEND", "TRNTYPE", "DTPOSTED", "TRNAMT", "FITID",
                             "CHECKNUM", "NAME", "REFNUM", "BALAMT", "DTASOF"}) {
        std::string open = std::string("<") + leaf + ">";
        for (std::size_t at = xml.find(open); at != std::string::npos;
             at = xml.find(open, at + 1)) {
            std::size_t end = xml.find('<', at + open.size());
            xml.insert(end, std::string("</") + leaf + ">");
        }
    }
    xml.replace(xml.find("<MEMO></STMTTRN>"), 16, "<MEMO/><MEMO></MEMO></STMTTRN>");
    const std::string expected =
        "{FI_FID: \"1234\", FI_ORG: \"Example Bank\", LANGUAGE: \"ENG\", accounts: [{"
        "ACCTID: \"00123\", ACCTTYPE: \"CHECKING\", BANKID: \"121000248\", "
        "aggregateType: \"OFXBankAggregateType\", availableBalance: 682.34, "
        "availableBalanceDate: @2009-03-30, currency: \"USD\", endDate: @2009-03-31, "
        "ledgerBalance: 382.34, ledgerBalanceDate: @2009-03-31, startDate: @2009-03-01, "
        "transactions: ["
        "{DTPOSTED: \"20090315120000.000[-5:EST]\", amount: -1500, checkNumber: #1001, "
        "fitID: \"F1\", name: \"ACME & SONS\", transactionType: \"CHECK\"}, "
        "{DTPOSTED: \"20090316\", amount: 115.8331, memo: \"Pay roll\", referenceNumber: \"R9\", "
        "transactionType: \"CREDIT\"}]}], format: \"ofx\"}";
    EXPECT_EQ(describe(OFXReader::readTransactions(sgml)), expected);
    EXPECT_EQ(describe(OFXReader::readTransactions(xml)), expected);
}

TEST(OFXReader, StatementsAreFoundInAnyCaseInFileOrderAndTheLastListAndBalanceWin) {
    const struct {
        const char* label;
        const char* text;
        const char* expected;
    } kCases[] = {
        {"lower-case tags",
         "<ofx><ccstmtrs><curdef>CAD<ccacctfrom><acctid>4510</ccacctfrom>"
         "<banktranlist><dtstart>20260323<dtend>20260513"
         "<StmtTrn><trntype>DEBIT<dtposted>20260326<trnamt>-70.37<name>PHARMACY</StmtTrn>"
         "</banktranlist><ledgerbal><balamt>904.53<dtasof>20260519</ledgerbal></ccstmtrs></ofx>",
         "{accounts: [{ACCTID: \"4510\", aggregateType: \"OFXCreditCardAggregateType\", "
         "currency: \"CAD\", endDate: @2026-05-13, ledgerBalance: 904.53, "
         "ledgerBalanceDate: @2026-05-19, startDate: @2026-03-23, transactions: ["
         "{DTPOSTED: \"20260326\", amount: -70.37, name: \"PHARMACY\", "
         "transactionType: \"DEBIT\"}]}], format: \"ofx\"}"},
        {"two statements of two types",
         "<CCSTMTRS><CCACCTFROM><ACCTID>C1</CCACCTFROM><LEDGERBAL><BALAMT>-5<DTASOF>20090101"
         "</LEDGERBAL></CCSTMTRS><STMTRS><BANKACCTFROM><ACCTID>B1</BANKACCTFROM><LEDGERBAL>"
         "<BALAMT>7<DTASOF>xx</LEDGERBAL></STMTRS>",
         "{accounts: [{ACCTID: \"C1\", aggregateType: \"OFXCreditCardAggregateType\", "
         "ledgerBalance: -5, ledgerBalanceDate: @2009-01-01}, "
         "{ACCTID: \"B1\", aggregateType: \"OFXBankAggregateType\", ledgerBalance: 7}], "
         "format: \"ofx\"}"},
        {"the last list and available balance",
         "<STMTRS><ACCTID>1<BANKTRANLIST><DTSTART>20090101<DTEND>20090131"
         "<STMTTRN><DTPOSTED>20090105<TRNAMT>1</STMTTRN></BANKTRANLIST>"
         "<BANKTRANLIST><DTSTART>20090201<DTEND>2009</BANKTRANLIST>"
         "<LEDGERBAL><BALAMT>1<DTASOF>20090201</LEDGERBAL>"
         "<AVAILBAL><BALAMT>2<DTASOF>20090202</AVAILBAL><AVAILBAL><BALAMT>3,5<DTASOF>20090203"
         "</AVAILBAL></STMTRS>",
         "{accounts: [{ACCTID: \"1\", aggregateType: \"OFXBankAggregateType\", "
         "availableBalanceDate: @2009-02-03, ledgerBalance: 1, "
         "ledgerBalanceDate: @2009-02-01, startDate: @2009-02-01, transactions: []}], "
         "format: \"ofx\"}"},
        {"empty", "", "{accounts: [], format: \"ofx\"}"},
        {"not OFX", "this is totally not an ofx file", "{accounts: [], format: \"ofx\"}"},
        {"sign-on only", "<OFX><SIGNONMSGSRSV1>", "{accounts: [], format: \"ofx\"}"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(describe(OFXReader::readTransactions(c.text)), c.expected);
    }
}

TEST(OFXReader, RequiredCountsAndUnreadableAmountsFail) {
    const std::string ledger = "<LEDGERBAL><BALAMT>1<DTASOF>20090101</LEDGERBAL>";
    const std::string trn = "<STMTTRN><DTPOSTED>20090101<TRNAMT>";
    struct Case {
        std::string text;
        const char* reason;
    };
    const Case cases[] = {
        {"<STMTRS>" + ledger + "</STMTRS>", "Expected 1 ACCTID(s), got 0 instead"},
        {"<STMTRS><ACCTID>1</STMTRS>", "Expected 1 LEDGERBAL(s), got 0 instead"},
        {"<STMTRS><ACCTID>1<LEDGERBAL><BALAMT> </BALAMT><DTASOF>1</LEDGERBAL></STMTRS>",
         "Expected 1 BALAMT(s), got 0 instead"},
        {"<FI><ORG>Bank</FI>", "Expected 1 FID(s), got 0 instead"},
        {"<STMTRS><ACCTID>1" + ledger + "<BANKTRANLIST><DTSTART>1<DTEND>2" + trn +
             "-1<NAME>A<PAYEE><NAME>B</PAYEE></STMTTRN></BANKTRANLIST></STMTRS>",
         "Expected 0 or 1 NAME(s), got 2 instead"},
        {"<STMTRS><ACCTID>1" + ledger + "<BANKTRANLIST><DTSTART>1" + trn +
             "1</BANKTRANLIST></STMTRS>",
         "Expected 1 DTEND(s), got 0 instead"},
        {"<STMTRS><ACCTID>1" + ledger + "<BANKTRANLIST><DTSTART>1<DTEND>2" + trn +
             "-11,76</STMTTRN></BANKTRANLIST></STMTRS>",
         "Amount could not be parsed."},
        {"<STMTRS><ACCTID>1" + ledger + "<BANKTRANLIST><DTSTART>1<DTEND>2" + trn +
             ".</STMTTRN></BANKTRANLIST></STMTRS>",
         "Amount could not be parsed."},
        {"<STMTRS><ACCTID>1<LEDGERBAL><BALAMT>348,29<DTASOF>1</LEDGERBAL></STMTRS>",
         "Amount could not be parsed."},
        {"<STMTRS><ACCTID>1" + ledger + "<BANKTRANLIST><DTSTART>1<DTEND>2" + trn +
             "1e33</STMTTRN></BANKTRANLIST></STMTRS>",
         "The amount 1e33 is too large: an amount may have at most 15 digits before the "
         "decimal point."},
        {"<LANGUAGE>ENG<LANGUAGE>POR", "Expected 0 or 1 LANGUAGE(s), got 2 instead"},
        {"<STMTRS><ACCTID>1<BANKTRANLIST>\n<DTSTART>1<DTEND>2" + trn + "1</STMTTRN>" + ledger +
             "</STMTRS>",
         "Expected 1 BANKTRANLIST(s), got 0 instead"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(parseFailure([&] { (void)OFXReader::readTransactions(c.text); }),
                  std::string("PNParseError: ") + c.reason);
    }
}

TEST(OFXElements, ContentEndsAtEndTagElseNextTagElseTextEnd) {
    using Items = std::vector<std::string>;
    EXPECT_EQ(OFXReader::elements("NAME", "<NAME>a<NAME>b</NAME>"), Items{"a<NAME>b"});
    EXPECT_EQ(OFXReader::elements("NAME", "<NAME> a <MEMO>x<name>b"), (Items{"a", "b"}));
    EXPECT_EQ(OFXReader::elements("NAME", "<NAME>\n\t</NAME><NAME>c"), Items{"c"});
    EXPECT_EQ(OFXReader::elements("FI", "<FID>1<FI><ORG>o</FI>"), Items{"<ORG>o"});
    EXPECT_EQ(OFXReader::optionalElement("MEMO", "<MEMO></MEMO>"), std::nullopt);
    EXPECT_EQ(OFXReader::element("ACCTID", "<acctid>42 </ACCTID>"), "42");
    EXPECT_EQ(
        OFXReader::elementsByTags({"STMTRS", "CCSTMTRS"},
                                  "<CCSTMTRS>a</ccstmtrs><StmtRs>b<CCSTMTRS> </CCSTMTRS>"),
        (std::vector<std::pair<std::string, std::string>>{{"CCSTMTRS", "a"}, {"STMTRS", "b"}}));
}

TEST(OFXDates, FirstEightDigitsGiveTheDayTheRestIsIgnored) {
    struct Case {
        const char* text;
        const char* expected;
    };
    const Case cases[] = {
        {"20090315120000.000[-5:EST]", "2009-03-15"},
        {"20260323120000[-5]", "2026-03-23"},
        {"20091231235959[+12:NZDT]", "2009-12-31"},
        {"20120229", "2012-02-29"},
        {"20120231", nullptr},
        {"00000000", nullptr},
        {"****", nullptr},
        {"", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        std::optional<Date> day = OFXReader::parseDate(c.text);
        ASSERT_EQ(day.has_value(), c.expected != nullptr);
        if (day) {
            EXPECT_EQ(day->toISOString(), c.expected);
        }
    }
    EXPECT_EQ(OFXReader::parseDate("15/03", "dd/MM"), Date::dateWithYear_PN(1970, 3, 15));
}

// The direct reading of eight digits must give what the date formatter gives.
TEST(OFXDates, EightDigitDaysReadAsTheFormatterReadsThem) {
    const char* const suffixes[] = {"", "120000.000[-5:EST]", "9", "[+1]"};
    for (int days = -160'000; days < 90'000; days += 101) {
        std::string iso = Date::fromDaysSinceEpoch(days).toISOString();
        std::string digits = iso.substr(0, 4) + iso.substr(5, 2) + iso.substr(8, 2);
        for (const char* suffix : suffixes) {
            std::string text = digits + suffix;
            ASSERT_EQ(OFXReader::parseDate(text), OFXReader::parseDate(text, "yyyyMMdd")) << text;
        }
    }
    for (const char* text : {"16000101", "15991231", "99991231", "20121301", "20120230", "2012022",
                             "2012-02-20", " 20120220"}) {
        EXPECT_EQ(OFXReader::parseDate(text), OFXReader::parseDate(text, "yyyyMMdd")) << text;
    }
}

}  // namespace
