#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "ImportTestSupport.h"
#include "TestApplicationModel.h"
#include "import/ImportedTransactions.h"
#include "import/OFXReader.h"
#include "import/QIFReader.h"
#include "import/StatementImporter.h"
#include "import/StatementPreprocessor.h"
#include "import/TransactionMatching.h"
#include "ledger/Transaction.h"

namespace {

Date ymd(int y, int m, int d) {
    return Date::dateWithYear_PN(y, m, d);
}

// One OFX statement; each entry is "date amount fitID name" with "-" for an absent field.
std::string ofxStatement(const std::vector<std::vector<std::string>>& entries,
                         const std::string& ledgerBalance = "100.00") {
    std::string text =
        "OFXHEADER:100\n<OFX><BANKMSGSRSV1><STMTTRNRS><STMTRS><CURDEF>USD"
        "<BANKACCTFROM><BANKID>1<ACCTID>99991234<ACCTTYPE>CHECKING</BANKACCTFROM>"
        "<BANKTRANLIST><DTSTART>20100101<DTEND>20101231";
    for (const auto& e : entries) {
        text += "<STMTTRN><TRNTYPE>OTHER<DTPOSTED>" + e[0] + "<TRNAMT>" + e[1];
        if (e[2] != "-") {
            text += "<FITID>" + e[2];
        }
        if (e[3] != "-") {
            text += "<NAME>" + e[3];
        }
        if (e.size() > 4) {
            text += e[4];
        }
        text += "</STMTTRN>";
    }
    return text + "</BANKTRANLIST><LEDGERBAL><BALAMT>" + ledgerBalance +
           "<DTASOF>20101231</LEDGERBAL></STMTRS></STMTTRNRS></BANKMSGSRSV1></OFX>";
}

class StatementImportTest : public ::testing::Test {
protected:
    ImportSummary importOFX(const std::string& text) {
        ImportDictionary document = OFXReader::readTransactions(text);
        return StatementImporter(*account).importTransactions(document);
    }
    ImportSummary importQIF(const std::string& text) {
        ImportDictionary document = QIFReader::parseForTransactions(text);
        return StatementImporter(*account).importTransactions(document);
    }
    Transaction* pending(Date date, const char* amount) {
        return account->createTransactionWithDate(date, std::string("Typed"),
                                                  Decimal::fromString(amount), nullptr,
                                                  std::nullopt, std::int64_t{7});
    }
    std::vector<Transaction*> imported() const {
        std::vector<Transaction*> found;
        for (Transaction* t : account->transactions()) {
            if (t->isImported()) {
                found.push_back(t);
            }
        }
        return found;
    }

    ObjectContext ctx{applicationModel()};
    Account* account = accountInTree(ctx);
};

TEST_F(StatementImportTest, SameOFXTwiceGivesOnlyDuplicatesAndAFirstImportSetsTheOpeningBalance) {
    std::string text = ofxStatement({{"20100301", "-10.00", "A1", "ACME STORE #12"},
                                     {"20100302", "25.50", "A2", "PAY\tDAY"},
                                     {"20100303", "-1.00", "A1", "REPEATED ID"}});
    EXPECT_EQ(importOFX(text), (ImportSummary{0, 2, 1}));
    EXPECT_EQ(account->startBalance(), Decimal::fromString("85.50"));
    account->setStartBalance(account->startBalance());
    EXPECT_EQ(importOFX(text), (ImportSummary{0, 0, 3}));
    ASSERT_EQ(imported().size(), 2u);
    std::vector<std::string> titles;
    for (Transaction* t : imported()) {
        EXPECT_TRUE(t->isNew());
        EXPECT_FALSE(t->isPending());
        titles.emplace_back(*t->title());
    }
    std::sort(titles.begin(), titles.end());
    EXPECT_EQ(titles, (std::vector<std::string>{"Acme Store #12", "Pay Day"}));
    EXPECT_FALSE(ctx.validateChanges().has_value());
}

// The account holds amounts of two places, so the opening balance is worked out from those
// and from the ledger balance to the cent: money-market statements give 13 places or more.
TEST_F(StatementImportTest, BalanceAfterFirstImportEqualsTheLedgerBalanceToTheCent) {
    const struct {
        std::vector<std::vector<std::string>> entries;
        const char* ledgerBalance;
        const char* startBalance;
        const char* balance;
    } cases[] = {
        {{{"20100301", "-10.00", "A1", "X"}, {"20100302", "3.25", "A2", "Y"}},
         "1000.00",
         "1006.75",
         "1000.00"},
        {{{"20100301", "-612.3349172201486", "M1", "SWEEP OUT"},
          {"20100315", "95.4462180937714", "M2", "DIVIDEND"},
          {"20100330", "2207.1250086613509", "M3", "SWEEP IN"}},
         "4183.0047311583952",
         "2492.75",
         "4183.00"},
        {{}, "17.125", "17.13", "17.13"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ledgerBalance);
        ObjectContext fresh(applicationModel());
        Account* into = accountInTree(fresh);
        ImportDictionary document =
            OFXReader::readTransactions(ofxStatement(c.entries, c.ledgerBalance));
        (void)StatementImporter(*into).importTransactions(document);
        EXPECT_EQ(into->startBalance(), Decimal::fromString(c.startBalance));
        EXPECT_EQ(into->balance(), Decimal::fromString(c.balance));
    }
}

// Every letter follows the rule, not only ASCII ones: the first of each word upper case (title
// case), the rest lower case; words are separated by spaces, tabs and line ends only.
TEST(ImportedTitles, EveryLetterIsCapitalised) {
    const struct {
        const char* bank;
        const char* title;
    } cases[] = {
        {"ACME STORE #12", "Acme Store #12"},
        {"CAF\xC3\x89 M\xC3\x9CLLER", "Caf\xC3\xA9 M\xC3\xBCller"},
        {"Z\xC3\x9CRICH B\xC3\x84"
         "CKEREI",
         "Z\xC3\xBCrich B\xC3\xA4"
         "ckerei"},
        {"\xC3\x89PICERIE  \xC3\x96STLICH", "\xC3\x89picerie  \xC3\x96stlich"},  // two spaces
        {"stra\xC3\x9F"
         "e\tS\xC3\x9C"
         "D\nOST",
         "Stra\xC3\x9F"
         "e\tS\xC3\xBC"
         "d\nOst"},
        {"\xCE\x91\xCE\x98\xCE\x97\xCE\x9D\xCE\x91 \xCE\x9A\xCE\x91\xCE\xA6\xCE\x95",
         "\xCE\x91\xCE\xB8\xCE\xB7\xCE\xBD\xCE\xB1 \xCE\x9A\xCE\xB1\xCF\x86\xCE\xB5"},
        {"#12 \xC3\xA9PICERIE", "#12 \xC3\x89picerie"},
        {"O'NEIL-SMITH", "O'neil-smith"},
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bank);
        EXPECT_EQ(ImportedTransactions::capitalizedTitle(c.bank), c.title);
    }
}

// The same title from a UTF-8, a UTF-16 and a Latin-1 statement file.
TEST_F(StatementImportTest, TitlesFromEveryEncodingAreCapitalised) {
    const std::string utf8 = "!Type:Bank\nD03/25/2010\nT-4.20\nPCAF\xC3\x89 M\xC3\x9CLLER\n^\n";
    std::string utf16Bytes = "\xFF\xFE";
    for (char c : std::string("!Type:Bank\nD03/26/2010\nT-4.30\nPCAF") + "\xC9 M\xDCLLER\n^\n") {
        utf16Bytes += c;
        utf16Bytes += '\0';
    }
    const std::string utf16 = utf16Bytes;
    const std::string latin1 = "!Type:Bank\nD03/27/2010\nT-4.40\nPCAF\xC9 M\xDCLLER\n^\n";
    const std::string path = testing::TempDir() + "/capitalised-" + std::to_string(::getpid());
    for (const std::string* bytes : {&utf8, &utf16, &latin1}) {
        std::ofstream(path, std::ios::binary) << *bytes;
        ImportDictionary document = QIFReader::parseFileForTransactions(path);
        (void)StatementImporter(*account).importTransactions(document);
    }
    std::remove(path.c_str());
    ASSERT_EQ(imported().size(), 3u);
    for (Transaction* t : imported()) {
        EXPECT_EQ(t->title(), std::optional<std::string>("Caf\xC3\xA9 M\xC3\xBCller"));
    }
}

TEST_F(StatementImportTest, TitleAmountDateDuplicatesDependOnTheFitID) {
    importOFX(
        ofxStatement({{"20100301", "-10.00", "-", "SHOP"}, {"20100305", "-5.00", "B1", "CAFE"}}));
    // Without a FIT ID any twin counts; with one only a twin without FIT ID does.
    EXPECT_EQ(importOFX(ofxStatement({{"20100301", "-10.00", "-", "SHOP"},
                                      {"20100301", "-10.00", "Z9", "SHOP"},
                                      {"20100305", "-5.00", "B2", "CAFE"},
                                      {"20100305", "-5.00", "-", "CAFE"}})),
              (ImportSummary{0, 1, 3}));
}

TEST_F(StatementImportTest, QIFTwiceGivesDuplicatesByTitleAmountAndDate) {
    std::string qif =
        "!Type:Bank\nD03/25/2010\nT-12.00\nPGROCER\n^\nD03/26/2010\nT-3.00\nPBUS\n^\n";
    EXPECT_EQ(importQIF(qif), (ImportSummary{0, 2, 0}));
    EXPECT_EQ(importQIF(qif), (ImportSummary{0, 0, 2}));
    EXPECT_EQ(account->qifDateOrder(), std::optional<std::string>("MDY"));
}

TEST_F(StatementImportTest, AmbiguousQIFStopsBeforeCreatingAnything) {
    std::string qif = "!Type:Bank\nD05/05/09\nT-12.00\nPX\n^\n";
    try {
        importQIF(qif);
        FAIL() << "expected an ambiguous date order";
    } catch (const ParseError& error) {
        EXPECT_EQ(error.kind(), "PNAmbiguousDateOrder");
        EXPECT_EQ(error.details().at("sampleText"), "05/05/09");
        EXPECT_FALSE(error.details().contains("parseFailed"));
    }
    EXPECT_FALSE(account->qifDateOrder().has_value());
    EXPECT_TRUE(account->transactions().empty());
    account->setQifDateOrder(std::string("DMY"));
    EXPECT_EQ(importQIF(qif), (ImportSummary{0, 1, 0}));
    EXPECT_EQ(imported().front()->date(), ymd(2009, 5, 5));
}

TEST_F(StatementImportTest, UnreadableOFXDateCreatesNothing) {
    EXPECT_THROW(
        importOFX(ofxStatement({{"20100301", "-1.00", "A", "X"}, {"garbage", "-2.00", "B", "Y"}})),
        ParseError);
    EXPECT_TRUE(account->transactions().empty());
}

TEST_F(StatementImportTest, MergeWindowIsFifteenDaysEitherWayAndPrefersTheClosest) {
    struct Case {
        int entryDay;
        bool merges;
    };
    for (Case c : {Case{24, true}, Case{25, true}, Case{26, false}}) {
        ObjectContext local{applicationModel()};
        Account* a = accountInTree(local);
        Transaction* p = a->createTransactionWithDate(ymd(2010, 3, 10), std::string("Typed"),
                                                      Decimal::fromString("-50.00"), nullptr,
                                                      std::nullopt, std::nullopt);
        ImportDictionary document = OFXReader::readTransactions(
            ofxStatement({{"201003" + std::to_string(c.entryDay), "-50.00", "F", "SHOP"}}));
        ImportSummary summary = StatementImporter(*a).importTransactions(document);
        EXPECT_EQ(summary.matched, c.merges ? 1 : 0) << c.entryDay;
        EXPECT_EQ(p->isPending(), !c.merges) << c.entryDay;
    }
}

TEST_F(StatementImportTest, TwoEntriesMergeIntoTwoPendingsClosestFirst) {
    Transaction* far = pending(ymd(2010, 3, 15), "-20.00");
    Transaction* near = pending(ymd(2010, 3, 7), "-20.00");
    EXPECT_EQ(importOFX(ofxStatement(
                  {{"20100310", "-20.00", "M1", "FIRST"}, {"20100311", "-20.00", "M2", "SECOND"}})),
              (ImportSummary{2, 0, 0}));
    EXPECT_EQ(near->ofxFitID(), std::optional<std::string>("M1"));
    EXPECT_EQ(far->ofxFitID(), std::optional<std::string>("M2"));
    // The merge keeps what the user typed but takes the bank's check number (here none).
    EXPECT_EQ(near->title(), std::optional<std::string>("Typed"));
    EXPECT_EQ(near->date(), ymd(2010, 3, 7));
    EXPECT_FALSE(near->checkNumber().has_value());
    EXPECT_TRUE(near->isMatched());
}

TEST_F(StatementImportTest, EquallyClosePendingsGoToTheEarliestCreated) {
    Transaction* before = pending(ymd(2010, 3, 7), "-20.00");
    pending(ymd(2010, 3, 13), "-20.00");
    importOFX(ofxStatement({{"20100310", "-20.00", "M1", "X"}}));
    EXPECT_FALSE(before->isPending());
}

TEST_F(StatementImportTest, PreprocessingFillsTitlesAndDropsRepeatedCheckNumbers) {
    ImportDictionary document = OFXReader::readTransactions(
        ofxStatement({{"20100301", "-1.00", "C1", "-"},
                      {"20100302", "-2.00", "C2", "-", "<MEMO>only memo"},
                      {"20100303", "-3.00", "123", "CHECK", "<CHECKNUM>123"},
                      {"20100304", "-4.00", "-", "REF", "<REFNUM>R7<CHECKNUM>55"}}));
    StatementPreprocessor::preprocessDocument(*account, document);
    ImportDictionary once = document;
    StatementPreprocessor::preprocessDocument(*account, document);
    EXPECT_EQ(document, once);
    const ImportArray& entries = entriesOf(document);
    EXPECT_EQ(entries[0].dictionary().at("name").text(), "Unknown");
    EXPECT_EQ(entries[1].dictionary().at("name").text(), "only memo");
    EXPECT_FALSE(entries[2].dictionary().contains("checkNumber"));
    EXPECT_EQ(entries[3].dictionary().at("fitID").text(), "R7");
    EXPECT_EQ(entries[3].dictionary().at("checkNumber").integer(), 55);
    EXPECT_EQ(entries[3].dictionary().at("date").date(), ymd(2010, 3, 4));
}

TEST_F(StatementImportTest, SpecialBankZeroRemovesFitIDs) {
    account->setSpecialBank(0);
    std::string text = ofxStatement({{"20100301", "-1.00", "C1", "A"}});
    importOFX(text);
    EXPECT_FALSE(imported().front()->ofxFitID().has_value());
    EXPECT_EQ(importOFX(text).duplicate, 1);
}

TEST_F(StatementImportTest, HandMatchUsingThePendingAmountThenUndo) {
    Transaction* typed = pending(ymd(2010, 3, 9), "-49.00");
    importOFX(ofxStatement({{"20100301", "-50.00", "H1", "BIG STORE", "<CHECKNUM>301"}}));
    Transaction* bank = imported().front();
    std::vector<Transaction*> selection{bank, typed};
    ASSERT_FALSE(TransactionMatching::refusalForSelection(selection).has_value());
    TransactionMatching::Pair pair = TransactionMatching::pairForSelection(selection);
    EXPECT_EQ(pair.pending, typed);
    EXPECT_TRUE(TransactionMatching::amountsDiffer(pair));
    EXPECT_FALSE(TransactionMatching::match(pair, TransactionMatching::AmountChoice::Cancel));
    EXPECT_EQ(account->transactions().size(), 2u);
    EXPECT_TRUE(TransactionMatching::match(pair, TransactionMatching::AmountChoice::UsePending));
    EXPECT_EQ(account->transactions().size(), 1u);
    EXPECT_EQ(typed->amount(), Decimal::fromString("-49.00"));
    EXPECT_EQ(typed->ofxAmount(), Decimal::fromString("-50.00"));
    EXPECT_EQ(typed->checkNumber(), 7);  // typed by the user, kept
    EXPECT_TRUE(typed->isMatched());

    Transaction* back = TransactionMatching::undoMatch(*typed);
    EXPECT_TRUE(typed->isPending());
    EXPECT_FALSE(typed->ofxAmount().has_value());
    EXPECT_EQ(back->title(), std::optional<std::string>("Big Store"));
    EXPECT_EQ(back->amount(), Decimal::fromString("-50.00"));
    EXPECT_EQ(back->checkNumber(), 301);
    EXPECT_TRUE(back->isImported() && back->isNew() && !back->isPending());
    EXPECT_FALSE(ctx.validateChanges().has_value());
}

TEST_F(StatementImportTest, SelectionRefusals) {
    Transaction* a = pending(ymd(2010, 3, 1), "-1.00");
    Transaction* b = pending(ymd(2010, 3, 2), "-1.00");
    Account* other = ctx.insert<Account>();
    Transaction* elsewhere = other->createTransactionWithDate(
        ymd(2010, 3, 1), std::nullopt, Decimal(1), nullptr, std::nullopt, std::nullopt);
    auto title = [](std::vector<Transaction*> s) {
        auto refusal = TransactionMatching::refusalForSelection(s);
        return refusal ? refusal->title : std::string();
    };
    EXPECT_EQ(title({a}), "You must select two transactions to match together.");
    EXPECT_EQ(title({a, elsewhere}), "You can only match two transactions within the same account");
    EXPECT_EQ(title({a, b}), "You must select a pending and an imported transaction.");
    b->setType(std::string("generated"));
    EXPECT_EQ(title({a, b}), "You cannot match a scheduled transaction.");
}

}  // namespace

namespace {

TEST_F(StatementImportTest, ReleasingImportedEntriesEmptiesOnlyThoseAndKeepsTheCounts) {
    pending(ymd(2010, 3, 4), "-7.00");
    ImportDictionary document =
        OFXReader::readTransactions(ofxStatement({{"20100301", "-10.00", "A1", "FIRST"},
                                                  {"20100302", "-2.00", "A1", "SAME ID"},
                                                  {"20100303", "-7.00", "A3", "MATCHES"},
                                                  {"20100305", "-4.00", "A4", "LAST"}}));
    const ImportArray& entries =
        document.at("accounts").array().front().dictionary().at("transactions").array();
    StatementImporter importer(*account);
    importer.begin(document);
    ASSERT_EQ(importer.acceptedCount(), 3u);
    importer.importNext(2);
    importer.releaseImportedEntries();
    // The first two accepted are gone; the duplicate between them and the one to come stay.
    EXPECT_TRUE(entries[0].dictionary().empty());
    EXPECT_FALSE(entries[1].dictionary().empty());
    EXPECT_TRUE(entries[2].dictionary().empty());
    EXPECT_EQ(entries[3].dictionary().at("name").text(), "LAST");
    importer.importNext(1);
    importer.releaseImportedEntries();
    EXPECT_TRUE(entries[3].dictionary().empty());
    EXPECT_TRUE(importer.isFinished());
    EXPECT_EQ(importer.summary(), (ImportSummary{1, 2, 1}));
    std::vector<std::string> titles;
    for (Transaction* t : account->transactions()) {
        titles.emplace_back(*t->title());
    }
    std::sort(titles.begin(), titles.end());
    EXPECT_EQ(titles, (std::vector<std::string>{"First", "Last", "Typed"}));
}

}  // namespace
