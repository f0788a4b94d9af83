// Every real statement of the shared corpus reads into a document or fails with one of the
// readers' own errors, and each statement read imports into a fresh store or fails with the
// importer's own error. The expected outcomes come from the corpus manifest's counts
// (statements and STMTTRN per statement, "^" records per section) and its list of known
// oddities.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "ImportTestSupport.h"
#include "TestApplicationModel.h"
#include "import/OFXReader.h"
#include "import/QIFReader.h"
#include "import/StatementImporter.h"
#include "import/StatementText.h"

namespace {

namespace fs = std::filesystem;

// Imports each statement of `document` into a fresh account (an ambiguous QIF as day first);
// whatever the import leaves must pass validation.
void expectEachStatementImportsCleanly(const ImportDictionary& document) {
    for (const ImportValue& statement : document.at("accounts").array()) {
        ObjectContext ctx{applicationModel()};
        Account* account = accountInTree(ctx);
        ImportDictionary single = document;
        single.insert_or_assign("accounts", ImportArray{statement});
        auto run = [&] { (void)StatementImporter(*account).importTransactions(single); };
        if (parseFailure(run).starts_with("PNAmbiguousDateOrder")) {
            account->setQifDateOrder(std::string("DMY"));
            (void)parseFailure(run);
        }
        std::optional<ValidationError> invalid = ctx.validateChanges();
        EXPECT_FALSE(invalid.has_value()) << invalid->localizedDescription;
    }
}

// "accounts: 0 2 1" (transactions per statement, "-" without a list) or "error: reason".
std::string ofxOutcome(const fs::path& path) {
    try {
        ImportDictionary document = OFXReader::readTransactions(StatementText::readFile(path));
        expectEachStatementImportsCleanly(document);
        std::string outcome = "accounts:";
        for (const ImportValue& account : document.at("accounts").array()) {
            const ImportValue* list = findValue(account.dictionary(), "transactions");
            outcome += " " + (list ? std::to_string(list->array().size()) : std::string("-"));
        }
        return outcome;
    } catch (const ParseError& error) {
        EXPECT_EQ(error.kind(), "PNParseError");
        return "error: " + error.reason();
    }
}

// "transactions: 3 | accounts: 1": the statement read, then the multi-account read.
std::string qifOutcome(const fs::path& path) {
    std::string outcome;
    try {
        ImportDictionary document = QIFReader::parseFileForTransactions(path);
        expectEachStatementImportsCleanly(document);
        outcome = "transactions: " + std::to_string(entriesOf(document).size());
    } catch (const ParseError& error) {
        EXPECT_EQ(error.kind(), "PNParseError");
        outcome = "error: " + error.reason();
    }
    try {
        outcome += " | accounts: " + std::to_string(QIFReader::parseFile(path).size());
    } catch (const ParseError& error) {
        EXPECT_EQ(error.kind(), "ParseError");
        outcome += " | error: " + error.reason().substr(0, error.reason().find(':'));
    }
    return outcome;
}

const std::map<std::string, std::string> kExpected = {
    {"ofx/asgrim__ofx-multiple-accounts-xml.ofx", "accounts: 0 2 1"},
    {"ofx/asgrim__ofxdata-bb-two-stmtrs.ofx", "accounts: 0 36"},  // Latin-1 bytes
    {"ofx/asgrim__ofxdata-bb.ofx", "accounts: 1"},
    // No BANKACCTFROM, no LEDGERBAL.
    {"ofx/asgrim__ofxdata-emptyDateTime.ofx", "error: Expected 1 ACCTID(s), got 0 instead"},
    {"ofx/asgrim__ofxdata-memoWithAmpersand.ofx", "accounts: 16"},
    // <BALAMT> without a value.
    {"ofx/asgrim__ofxdata-selfclose.ofx", "error: Expected 1 BALAMT(s), got 0 instead"},
    {"ofx/asgrim__ofxdata-xml.ofx", "accounts: 3"},
    {"ofx/asgrim__ofxdata.ofx", "accounts: 3"},
    {"ofx/csv2ofx__default.ofx", "error: Expected 1 LEDGERBAL(s), got 0 instead"},
    {"ofx/libofx__example-listing1.xml", "accounts: 2"},
    {"ofx/libofx__example-listing2.xml", "accounts: 2"},
    {"ofx/libofx__failing-ofx-file1.xml", "accounts:"},
    {"ofx/libofx__failing-ofx-file2.xml", "accounts:"},
    {"ofx/libofx__heap-buffer-overflow-2.ofx", "accounts:"},
    {"ofx/libofx__ofx-2.1.1-sect-16.5.4.2.ofx", "accounts: 1 0"},
    {"ofx/libofx__ofx_spec160_stmtrs_example.sgml", "accounts: 2"},
    {"ofx/ofxgo__bmo_v102__no_header_newline.qfx", "accounts: 1"},
    {"ofx/ofxgo__moneymrkt1_v103.ofx", "accounts: 3"},
    {"ofx/ofxgo__wellsfargo.qfx", "accounts: 1"},
    {"ofx/ofxjs__credit-card.qfx", "accounts: 5"},
    {"ofx/ofxjs__example-xml.qfx", "accounts: 1"},
    {"ofx/ofxjs__example1.ofx", "accounts: 5"},
    // Dates are asterisks: DTPOSTED is kept as written, the import rejects it later.
    {"ofx/ofxjs__example2.ofx", "accounts: 29"},
    {"ofx/ofxparse__anzcc.ofx", "accounts: 1"},
    {"ofx/ofxparse__bank_medium.ofx", "accounts: 3"},
    {"ofx/ofxparse__checking.ofx", "accounts: 3"},
    {"ofx/ofxparse__date_missing.ofx", "error: Expected 1 DTPOSTED(s), got 0 instead"},
    {"ofx/ofxparse__empty_balance.ofx", "error: Expected 1 BALAMT(s), got 0 instead"},
    {"ofx/ofxparse__fidelity-savings.ofx", "accounts:"},  // an investment statement only
    {"ofx/ofxparse__multiple_accounts2.ofx", "accounts: - -"},
    {"ofx/ofxparse__ofx-v102-empty-tags.ofx", "error: Expected 1 BALAMT(s), got 0 instead"},
    {"ofx/ofxparse__suncorp.ofx", "accounts: 1"},
    {"ofx/ofxparserrb__banks.ofx.sgml", "accounts: 5 1"},
    {"ofx/ofxparserrb__creditcards.ofx.sgml", "accounts: 3 3"},
    {"ofx/ofxparserrb__malformed_header.ofx.sgml", "accounts: 8"},
    {"ofx/ofxparserrb__with_spaces.ofx.sgml", "accounts:"},  // sign-on only
    // </BANKTRANLIST> is missing: the list would read as empty.
    {"ofx/ofxtools__br_nubank_cc.ofx", "error: Expected 1 BANKTRANLIST(s), got 0 instead"},
    {"ofx/ofxtools__stmtrs.ofx", "accounts: 2"},
    {"ofx/rubyofx__bb.ofx", "accounts: 81"},  // Latin-1 bytes
    // Comma decimal separators ("0,00"): "." is the only decimal point.
    {"ofx/rubyofx__bradesco.ofx", "error: Amount could not be parsed."},
    // <TRNAMT> holds only a dot.
    {"ofx/rubyofx__cef_malformed_decimal.ofx", "error: Amount could not be parsed."},
    {"ofx/rubyofx__creditcard.ofx", "accounts: 3"},
    {"ofx/rubyofx__error.ofx", "accounts:"},  // a server error response
    {"ofx/rubyofx__invalid_version.ofx", "accounts: 36"},
    {"ofx/rubyofx__nd-amex-sample.ofx", "accounts: 2 3 0 1 5 0 0 1 0 0 0 0 0 0 1 2"},
    {"ofx/rubyofx__sample.ofx", "accounts: 36"},
    {"ofx/rubyofx__santander.ofx", "error: Amount could not be parsed."},  // "-11,76"
    {"ofx/rubyofx__v211.ofx", "accounts: 1 2"},
    // Multi-account exports: their account records have no D line.
    {"qif/csv2ofx__ubs-ch-fr.qif", "error: Missing date in record. | accounts: 1"},
    // "Cash" declared twice; the Income block's records are read into the next section.
    {"qif/csv2ofx__xero.qif", "error: Missing date in record. | accounts: 4"},
    // The account list's first record has a D (description) and a T line "Oth A".
    {"qif/financeqif__test.qif", "error: Amount could not be parsed. | accounts: 3"},
    {"qif/oca__test_qif_dmy.qif", "transactions: 5 | accounts: 0"},
    {"qif/oca__test_qif_ymd.qif", "transactions: 5 | accounts: 0"},
    {"qif/qif2json__accounts.qif", "error: Missing date in record. | accounts: 1"},
    {"qif/qif2json__normalTransactions.qif", "transactions: 3 | accounts: 0"},
    {"qif/qif2json__utf8.qif", "transactions: 0 | accounts: 0"},                 // no "^" line
    {"qif/qif2json__windows-1252.qif", "transactions: 0 | accounts: 0"},         // no "^" line
    {"qif/qifparse__file.qif", "error: Missing date in record. | accounts: 1"},  // !Type:Cat
    {"qif/qifrb__3_records_ddmmyy.qif", "transactions: 3 | accounts: 0"},
    {"qif/qifrb__3_records_ddmmyyyy.qif", "transactions: 3 | accounts: 0"},
    {"qif/qifrb__3_records_dmyy.qif", "transactions: 3 | accounts: 0"},
    // An empty record right after the header.
    {"qif/qifrb__3_records_invalid_header.qif", "error: Missing date in record. | accounts: 0"},
    {"qif/qifrb__3_records_mmddyy.qif", "transactions: 3 | accounts: 0"},
    {"qif/qifrb__3_records_separator.qif", "transactions: 3 | accounts: 0"},
    {"qif/qifrb__3_records_spaced.qif", "transactions: 3 | accounts: 0"},
    {"qif/qifrb__not_a_QIF_file.txt", "transactions: 0 | accounts: 0"},
    {"qif/qifrb__quicken_investment_account.qif", "transactions: 2 | accounts: 0"},
    {"qif/qifrb__quicken_non_investement_account.qif", "transactions: 3 | accounts: 0"},
    {"qif/qifrb__splits.qif", "transactions: 2 | accounts: 0"},
    {"qif/qifrs__amex.qif", "transactions: 7 | accounts: 0"},
    {"qif/qifrs__cic.qif", "transactions: 12 | accounts: 0"},
    {"qif/qifrs__monzo.qif", "transactions: 13 | accounts: 0"},
    {"qif/qifrs__nasty.qif", "transactions: 6 | accounts: 0"},
    {"qif/quiffen__empty.qif", "transactions: 0 | accounts: 0"},
    // !Type:Class and !Type:Cat records carry no T line.
    {"qif/quiffen__test.qif", "error: Missing amount in record. | accounts: 0"},
    {"qif/quiffen__test_category_override.qif", "transactions: 4 | accounts: 0"},
    {"qif/quiffen__test_circular_reference.qif", "transactions: 2 | accounts: 0"},
    {"qif/quiffen__test_split.qif", "transactions: 1 | accounts: 0"},
    {"qif/quiffen__test_transaction_before_account_definition_1.qif",
     "error: Missing date in record. | accounts: 0"},
    {"qif/quiffen__test_unknown_account_type.qif", "error: Missing date in record. | accounts: 0"},
};

TEST(StatementCorpus, EveryFileReadsOrFailsWithTheReadersOwnError) {
    const fs::path root = PENNORA_STATEMENTS_DIR;
    if (!fs::exists(root)) {
        GTEST_SKIP() << "no statement corpus at " << root;
    }
    int files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (!entry.is_regular_file() || entry.path().filename() == "MANIFEST.md") {
            continue;
        }
        std::string name = fs::relative(entry.path(), root).generic_string();
        SCOPED_TRACE(name);
        ++files;
        auto expected = kExpected.find(name);
        ASSERT_NE(expected, kExpected.end()) << "no expected outcome for this file";
        bool qif = name.starts_with("qif/");
        EXPECT_EQ(qif ? qifOutcome(entry.path()) : ofxOutcome(entry.path()), expected->second);
    }
    EXPECT_EQ(files, static_cast<int>(kExpected.size()));
}

// A few values the manifest states, through the whole read: an account number with a space,
// a balance of 17 significant digits, Latin-1 bytes, thousands separators and UTF-8 names.
TEST(StatementCorpus, ValuesTheManifestStates) {
    const fs::path root = PENNORA_STATEMENTS_DIR;
    if (!fs::exists(root)) {
        GTEST_SKIP() << "no statement corpus at " << root;
    }
    const auto ofx = [&](const char* file) {
        return OFXReader::readTransactions(StatementText::readFile(root / file));
    };
    const ImportDictionary medium = ofx("ofx/ofxparse__bank_medium.ofx");
    EXPECT_EQ(medium.at("accounts").array().at(0).dictionary().at("ACCTID").text(),
              "12300 000012345678");
    EXPECT_EQ(entriesOf(medium).at(0).dictionary().at("name").text(), "MCDONALD'S #112");
    const ImportDictionary market = ofx("ofx/ofxgo__moneymrkt1_v103.ofx");
    EXPECT_EQ(market.at("accounts").array().at(0).dictionary().at("ledgerBalance").decimal(),
              Decimal::fromString("2607.1664944585727"));
    const ImportDictionary bb = ofx("ofx/rubyofx__bb.ofx");
    std::string memos;
    for (const ImportValue& trn : entriesOf(bb)) {
        if (const ImportValue* memo = findValue(trn.dictionary(), "memo")) {
            memos += memo->text() + "|";
        }
    }
    EXPECT_NE(memos.find("CART\xC3\x83O"), std::string::npos);  // Latin-1 0xC3 read as Ã
    const ImportDictionary nasty =
        QIFReader::parseFileForTransactions(root / "qif/qifrs__nasty.qif");
    const ImportDictionary& huge = entriesOf(nasty).at(1).dictionary();
    EXPECT_EQ(huge.at("amount").decimal(), Decimal(-10000000));
    EXPECT_EQ(huge.at("name").text(), "Huge Amount \xF0\x9F\x98\x85 with UTF8");
}

}  // namespace
