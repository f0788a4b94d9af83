#include "CliFixture.h"

namespace {

using CliImportTest = CliFixture;

std::string ofxStatement(const std::string& aggregate, const std::string& accountType,
                         const std::string& accountID, const std::string& entries) {
    const bool isBank = aggregate == "BANK";
    const std::string from = isBank ? "BANKACCTFROM" : "CCACCTFROM";
    return std::string("<") + (isBank ? "STMTTRNRS" : "CCSTMTTRNRS") + "><TRNUID>1<" +
           (isBank ? "STMTRS" : "CCSTMTRS") + "><CURDEF>USD<" + from + ">" +
           (isBank ? "<BANKID>1<ACCTID>" + accountID + "<ACCTTYPE>" + accountType
                   : "<ACCTID>" + accountID) +
           "</" + from + "><BANKTRANLIST><DTSTART>20240101<DTEND>20240331" + entries +
           "</BANKTRANLIST><LEDGERBAL><BALAMT>0<DTASOF>20240331</LEDGERBAL></" +
           (isBank ? "STMTRS" : "CCSTMTRS") + "></" + (isBank ? "STMTTRNRS" : "CCSTMTTRNRS") + ">";
}

std::string entry(const std::string& date, const std::string& amount, const std::string& fitID) {
    return "<STMTTRN><TRNTYPE>DEBIT<DTPOSTED>" + date + "<TRNAMT>" + amount + "<FITID>" + fitID +
           "<NAME>Shop " + fitID + "</STMTTRN>";
}

std::string ofxFile(const std::string& bank, const std::string& cards) {
    std::string text = "OFXHEADER:100\nDATA:OFXSGML\nVERSION:102\n\n<OFX>";
    if (!bank.empty()) {
        text += "<BANKMSGSRSV1>" + bank + "</BANKMSGSRSV1>";
    }
    if (!cards.empty()) {
        text += "<CREDITCARDMSGSRSV1>" + cards + "</CREDITCARDMSGSRSV1>";
    }
    return text + "</OFX>";
}

TEST_F(CliImportTest, StatementMergesIntoPendingAndHandMatchingUndoes) {
    json({"add-account", "Checking"});
    json({"add-transaction", "Checking", "--date", "2024-03-01", "--title", "Shop", "--amount",
          "-12.5"});
    const std::string file = writeFile(
        "march.ofx",
        ofxFile(ofxStatement("BANK", "CHECKING", "991234",
                             entry("20240302", "-12.50", "A1") + entry("20240303", "-3.00", "A2")),
                ""));
    const nlohmann::json summary = json({"import", "Checking", file});
    EXPECT_EQ(summary.at("matched"), 1);
    EXPECT_EQ(summary.at("new"), 1);
    EXPECT_EQ(summary.at("summaryTitle"), "2 transactions were imported");
    EXPECT_EQ(summary.at("newLabel"), "1 was a new transaction");
    EXPECT_TRUE(summary.at("duplicateLabel").is_null());
    EXPECT_EQ(json({"import", "Checking", file}).at("duplicateLabel"),
              "2 duplicates were not imported");

    const nlohmann::json rows = json({"register", "Checking"}).at("transactions");
    ASSERT_EQ(rows.size(), 2u);
    const std::string matched = std::to_string(rows[1].at("sortID").get<int>());
    ASSERT_EQ(rows[1].at("isMatched"), true);
    const nlohmann::json undone = json({"undo-match", matched});
    EXPECT_EQ(undone.at("pending").at("isPending"), true);
    EXPECT_EQ(undone.at("imported").at("isImported"), true);
    const std::string imported = std::to_string(undone.at("imported").at("sortID").get<int>());
    expectRefused({"undo-match", matched}, 1, "not matched");
    const nlohmann::json rematched = json({"match", imported, matched});
    EXPECT_EQ(rematched.at("isMatched"), true);
    EXPECT_EQ(json({"register", "Checking"}).at("transactions").size(), 2u);
}

TEST_F(CliImportTest, MultiStatementFileNeedsAChoice) {
    json({"add-account", "Card"});
    const std::string file = writeFile(
        "two.ofx",
        ofxFile(ofxStatement("BANK", "CHECKING", "551234", entry("20240302", "-1", "B1")) +
                    ofxStatement("BANK", "MONEYMRKT", "000777", entry("20240302", "-2", "B2")),
                ofxStatement("CC", "", "5678",
                             entry("20240304", "-7", "C1") + entry("20240305", "-8", "C2"))));
    expectRefused({"import", "Card", file}, 1, "0: Checking xxxx1234\n1: Credit Card xxxx5678");
    expectRefused({"import", "Card", file, "--statement", "2"}, 1, "There is no statement 2.");
    EXPECT_EQ(json({"import", "Card", file, "--statement", "1"}).at("new"), 2);
}

TEST_F(CliImportTest, UndecidableOrMisfitDatesAskForTheOrder) {
    json({"add-account", "Checking"});
    const std::string file =
        writeFile("may.qif", "!Type:Bank\nD05/05/09\nT-10.00\nPRent\n^\nD05/05/09\nT-2.00\n^\n");
    expectRefused({"import", "Checking", file}, 1,
                  "The format of dates could not be automatically determined from file. Please "
                  "specify it below.\nSample date: 05/05/09");
    EXPECT_EQ(json({"import", "Checking", file, "--date-order", "DMY"}).at("new"), 2);
    EXPECT_EQ(json({"import-settings", "Checking"}).at("dateOrder"), "DMY");

    const std::string late = writeFile("late.qif", "!Type:Bank\nD12/31/2009\nT-1.00\n^\n");
    expectRefused({"import", "Checking", late}, 1,
                  "Dates could not be parsed with the date format specified.");
    expectRefused({"import", "Checking", writeFile("bad.ofx", "<OFX><nothing")}, 1,
                  "The selected file could not be imported.");
    expectRefused({"import", "Checking", (folder / "missing.qif").string()}, 1, "does not exist");
}

TEST_F(CliImportTest, AnotherApplicationsExportBecomesNewAccountsOrNothing) {
    json({"add-account", "Checking"});
    const std::string file = writeFile(
        "export.qif",
        "!Account\nNHome Bank\nTBank\n^\n!Type:Bank\nD03/01/2024\nT-20.00\nPMarket\n"
        "LGroceries\n^\nD03/02/2024\nT-30.00\nPSplit\nSGroceries\n$-10.00\nSToys\n$-20.00\n^\n"
        "!Account\nNPocket\nTCash\n^\n!Type:Cash\nD03/03/2024\nT-5.00\n^\n");
    const nlohmann::json imported = json({"import-app", file});
    EXPECT_EQ(imported.at("accounts"),
              nlohmann::json::parse(R"([{"name": "Home Bank", "transactions": 2},
                                        {"name": "Pocket", "transactions": 1}])"));
    EXPECT_EQ(json({"accounts"}).at("accounts").size(), 3u);
    EXPECT_EQ(json({"register", "Home Bank"}).at("transactions")[0].at("category"),
              "Groceries: -10.00\nToys: -20.00");

    const std::string broken =
        writeFile("broken.qif", "!Account\nNBad\nTBank\n^\n!Type:Bank\nD03/01/2024\nTabc\n^\n");
    const ProcessResult result = run({"import-app", broken});
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(json({"accounts"}).at("accounts").size(), 3u);
    expectRefused({"import-app", (folder / "none.qif").string()}, 1, "does not exist");
}

}  // namespace
