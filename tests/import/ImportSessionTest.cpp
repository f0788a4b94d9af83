#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "ImportTestSupport.h"
#include "TestApplicationModel.h"
#include "import/ImportSession.h"
#include "ledger/Transaction.h"
#include "store/GraphDump.h"
#include "store/InMemoryStore.h"

namespace {

namespace fs = std::filesystem;

std::string statement(const std::string& aggregate, const std::string& type,
                      const std::string& accountID, const std::string& fitID) {
    std::string from = aggregate == "CCSTMTRS" ? "CCACCTFROM" : "BANKACCTFROM";
    std::string typeElement = type.empty() ? "" : "<ACCTTYPE>" + type;
    return "<" + aggregate + "><CURDEF>USD<" + from + "><BANKID>1<ACCTID>" + accountID +
           typeElement + "</" + from +
           "><BANKTRANLIST><DTSTART>20100101<DTEND>20101231"
           "<STMTTRN><TRNTYPE>OTHER<DTPOSTED>20100301<TRNAMT>-1.00<FITID>" +
           fitID +
           "<NAME>X</STMTTRN></BANKTRANLIST><LEDGERBAL><BALAMT>10<DTASOF>20101231</LEDGERBAL></" +
           aggregate + ">";
}

class ImportSessionTest : public ::testing::Test {
protected:
    ImportSessionTest() { fs::create_directories(dir); }
    ~ImportSessionTest() override { fs::remove_all(dir); }

    std::string write(const std::string& name, const std::string& text) {
        fs::path path = dir / name;
        std::ofstream(path, std::ios::binary) << text;
        return path.string();
    }

    ObjectContext ctx{applicationModel()};
    Account* account = accountInTree(ctx);
    fs::path dir =
        fs::temp_directory_path() / ("pennora-import-session-" + std::to_string(::getpid()));
};

TEST_F(ImportSessionTest, MultiStatementFileOffersLabelledStatementsAndImportsTheChosenOne) {
    std::string text =
        "<OFX><BANKMSGSRSV1><STMTTRNRS>" + statement("STMTRS", "CHECKING", "12345678", "C1") +
        "</STMTTRNRS>"
        "<STMTTRNRS>" +
        statement("STMTRS", "MONEYMRKT", "5555", "M1") +
        "</STMTTRNRS></BANKMSGSRSV1><CREDITCARDMSGSRSV1><CCSTMTTRNRS>" +
        statement("CCSTMTRS", "", "987", "K1") + "</CCSTMTTRNRS></CREDITCARDMSGSRSV1></OFX>";
    ImportSession session(*account);
    session.chooseFile(write("several.OFX", text));
    session.import();
    ASSERT_EQ(session.page(), ImportSession::Page::StatementChoice);
    EXPECT_EQ(session.statementLabels(),
              (std::vector<std::string>{"Checking xxxx5678", "Credit Card xxxx987"}));
    session.continueFromStatementChoice(1);
    ASSERT_EQ(session.page(), ImportSession::Page::Summary);
    ASSERT_EQ(account->transactions().size(), 1u);
    EXPECT_EQ((*account->transactions().begin())->ofxFitID(), std::optional<std::string>("K1"));
}

TEST_F(ImportSessionTest, FileWithoutOfferableStatementFailsWithTheCouldNotImportAlert) {
    std::string text = "<OFX>" + statement("STMTRS", "MONEYMRKT", "1", "A") +
                       statement("STMTRS", "CREDITLINE", "2", "B") + "</OFX>";
    for (const std::string& file :
         {write("none.qfx", text), write("junk.ofx", "not a statement")}) {
        ImportSession session(*account);
        session.chooseFile(file);
        session.import();
        EXPECT_EQ(session.page(), ImportSession::Page::Main);
        std::optional<ImportSession::Alert> alert = session.takeAlert();
        ASSERT_TRUE(alert.has_value());
        EXPECT_EQ(alert->message, "The selected file could not be imported.");
        ASSERT_EQ(session.log().size(), 1u);
        EXPECT_EQ(session.log()[0].rfind("Parse Error: ", 0), 0u);
        EXPECT_TRUE(account->transactions().empty());
    }
}

TEST_F(ImportSessionTest, AmbiguousQIFAsksForTheOrderAndCountsFailedOrders) {
    ImportSession session(*account);
    session.chooseFile(write("b.qif", "!Type:Bank\nD05/05/09\nT-1.00\nPA\n^\n"));
    session.import();
    ASSERT_EQ(session.page(), ImportSession::Page::DateOrder);
    EXPECT_EQ(session.dateOrderQuestion().sampleText, "05/05/09");
    EXPECT_EQ(session.dateOrderQuestion().selectedTag, 0);
    EXPECT_EQ(session.dateOrderQuestion().instructions,
              "The format of dates could not be automatically determined from file. Please "
              "specify it below.");
    session.continueFromDateOrder(1);
    ASSERT_EQ(session.page(), ImportSession::Page::Summary);
    EXPECT_EQ(session.summaryTexts().title, "1 transaction was imported");
    EXPECT_EQ((*account->transactions().begin())->date(), Date::dateWithYear_PN(2009, 5, 5));

    // The account now reads DMY; a date no order can read asks again each time.
    ImportSession failing(*account);
    failing.chooseFile(write("c.qif", "!Type:Bank\nD2009-31-31\nT-1.00\nPA\n^\n"));
    failing.import();
    for (int attempt = 1; attempt <= 4; ++attempt) {
        ASSERT_EQ(failing.page(), ImportSession::Page::DateOrder);
        EXPECT_EQ(failing.numberOfTimesDateParsingFailed(), attempt);
        EXPECT_EQ(failing.dateOrderQuestion().instructions,
                  "Dates could not be parsed with the date format specified. Please select a "
                  "new date format.");
        EXPECT_EQ(failing.takeAlert().has_value(), attempt == 4) << attempt;
        failing.continueFromDateOrder(attempt % 3);
    }
    EXPECT_TRUE(failing.takeAlert().has_value());
}

TEST(ImportSessionTexts, SummaryTexts) {
    struct Case {
        ImportSummary summary;
        const char* title;
        const char* matched;
        const char* created;
        std::optional<std::string> duplicate;
    };
    const Case cases[] = {
        {{3, 2, 0},
         "5 transactions were imported",
         "3 matched with pending transactions",
         "2 were new transactions",
         std::nullopt},
        {{0, 1, 1},
         "1 transaction was imported",
         "0 matched with pending transactions",
         "1 was a new transaction",
         "1 duplicate was not imported"},
        {{1, 0, 4},
         "1 transaction was imported",
         "1 matched with pending transactions",
         "0 were new transactions",
         "4 duplicates were not imported"},
        {{0, 0, 0},
         "0 transactions were imported",
         "0 matched with pending transactions",
         "0 were new transactions",
         std::nullopt},
    };
    for (const Case& c : cases) {
        ImportSession::SummaryTexts texts = ImportSession::summaryTexts(c.summary);
        EXPECT_EQ(texts.title, c.title);
        EXPECT_EQ(texts.matched, c.matched);
        EXPECT_EQ(texts.created, c.created);
        EXPECT_EQ(texts.duplicate, c.duplicate);
    }
}

TEST_F(ImportSessionTest, StartDateAndSettingsTags) {
    account->setStartBalanceDate(Date::dateWithYear_PN(2009, 12, 31));
    EXPECT_EQ(ImportSession::startDateText(*account), "01/01/2010");
    EXPECT_EQ(ImportSession::dateOrderTag(*account), ImportSession::kDateOrderNotSet);
    EXPECT_EQ(ImportSession::specialBankTag(*account), ImportSession::kSpecialBankNone);
    ImportSession::saveSettings(*account, 0, 2);
    EXPECT_EQ(account->specialBank(), std::optional<std::int64_t>(0));
    EXPECT_EQ(account->qifDateOrder(), std::optional<std::string>("YMD"));
    EXPECT_EQ(ImportSession::dateOrderTag(*account), 2);
    ImportSession::saveSettings(*account, -1, -1);
    EXPECT_FALSE(account->specialBank().has_value());
    EXPECT_FALSE(account->qifDateOrder().has_value());
}

TEST_F(ImportSessionTest, AStepwiseImportIsOneUnitThatASaveMeanwhileWaitsFor) {
    const std::string file =
        write("one.ofx", "<OFX>" + statement("STMTRS", "CHECKING", "1", "A") + "</OFX>");
    for (const bool saveFails : {false, true}) {
        SCOPED_TRACE(saveFails ? "the held save fails" : "the held save succeeds");
        ObjectContext context(applicationModel());
        auto memory = std::make_unique<InMemoryStore>();
        InMemoryStore& store = *memory;
        context.setPersistentStore(std::move(memory));
        Account& checking = *accountInTree(context);
        ASSERT_FALSE(context.save());
        const std::string before = dumpObjectGraph(context);

        ImportSession session(checking);
        session.setEntriesPerStep(1);
        session.chooseFile(file);
        session.import();
        session.continueImport();
        ASSERT_EQ(session.page(), ImportSession::Page::Importing);
        ASSERT_EQ(session.entriesImported(), 1u);
        // Someone saves between two steps: nothing of the import is written yet.
        EXPECT_FALSE(context.save());
        EXPECT_EQ(store.dump(), before);
        if (saveFails) {
            store.failNextSave(ValidationError{"Test", 1, "The disk is full.", {}, {}});
        }
        session.continueImport();
        std::optional<ImportSession::Alert> alert = session.takeAlert();
        EXPECT_EQ(context.savepointDepth(), 0u);
        if (!saveFails) {
            EXPECT_EQ(session.page(), ImportSession::Page::Summary);
            EXPECT_FALSE(alert.has_value());
            EXPECT_EQ(checking.transactions().size(), 1u);
            EXPECT_EQ(store.dump(), dumpObjectGraph(context));
            continue;
        }
        // The import is taken back whole rather than left for a later save.
        EXPECT_EQ(session.page(), ImportSession::Page::Main);
        ASSERT_TRUE(alert.has_value());
        EXPECT_EQ(alert->message, "The import could not be saved.");
        EXPECT_EQ(alert->informativeText, "The disk is full.");
        EXPECT_EQ(dumpObjectGraph(context), before);
        EXPECT_EQ(store.dump(), before);
    }
}

TEST_F(ImportSessionTest, ProgressTextsFollowTheSteps) {
    EXPECT_EQ(ImportSession::readingText("/home/me/Downloads/March 2024.qif"),
              "Reading \u201cMarch 2024.qif\u201d\u2026");
    const std::string file =
        write("three.qif",
              "!Type:Bank\nD03/25/2010\nT-1.00\nPA\n^\nD03/26/2010\nT-2.00\nPB\n^\n"
              "D03/27/2010\nT-3.00\nPC\n^\n");
    ImportSession session(*account);
    session.setEntriesPerStep(2);
    session.chooseFile(file);
    session.import();
    ASSERT_EQ(session.page(), ImportSession::Page::Importing);
    EXPECT_EQ(session.progressText(), "Importing 0 of 3 transactions\u2026");
    session.continueImport();
    EXPECT_EQ(session.progressText(), "Importing 2 of 3 transactions\u2026");
    session.continueImport();
    EXPECT_EQ(session.progressText(), "Saving\u2026");
    session.continueImport();
    EXPECT_EQ(session.page(), ImportSession::Page::Summary);
    EXPECT_EQ(session.importSummary()->created, 3);
}

}  // namespace
