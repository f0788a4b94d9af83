// Hand-written bank files of each kind, read whole and compared with their expected documents
// (tests/data/import/<file>.expected, written by hand from the files).
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "import/OFXReader.h"
#include "import/QIFReader.h"
#include "import/StatementText.h"

namespace {

std::string dataPath(const std::string& name) {
    return std::string(PENNORA_TEST_DATA_DIR) + "/import/" + name;
}

std::string expected(const std::string& name) {
    std::ifstream in(dataPath(name + ".expected"));
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    while (!text.empty() && text.back() == '\n') {
        text.pop_back();
    }
    return text;
}

TEST(RealisticStatements, CheckingAccountInSGMLWithCRLF) {
    ImportDictionary document =
        OFXReader::readTransactions(StatementText::readFile(dataPath("checking.ofx")));
    EXPECT_EQ(ImportValue(document).description(), expected("checking.ofx"));
}

TEST(RealisticStatements, CreditCardStatementInXML) {
    ImportDictionary document =
        OFXReader::readTransactions(StatementText::readFile(dataPath("creditcard.qfx")));
    EXPECT_EQ(ImportValue(document).description(), expected("creditcard.qfx"));
}

TEST(RealisticStatements, CheckingDownloadInQIF) {
    ImportDictionary document = QIFReader::parseFileForTransactions(dataPath("checking.qif"));
    EXPECT_EQ(ImportValue(document).description(), expected("checking.qif"));
    std::vector<std::string> dates;
    for (const ImportValue& entry :
         document.at("accounts").array().at(0).dictionary().at("transactions").array()) {
        dates.push_back(entry.dictionary().at("dateString").text());
    }
    EXPECT_EQ(QIFReader::guessDateOrder(dates), "MDY");
}

TEST(RealisticStatements, MultiAccountExportWithSplits) {
    EXPECT_EQ(ImportValue(QIFReader::parseFile(dataPath("export.qif"))).description(),
              expected("export.qif"));
}

TEST(RealisticStatements, UnreadableFileReadsAsEmptyText) {
    ImportDictionary document = QIFReader::parseFileForTransactions(dataPath("no-such-file.qif"));
    EXPECT_EQ(ImportValue(document).description(),
              "{accounts: [{transactions: []}], format: \"qif\"}");
}

TEST(RealisticStatements, TextEncodingsByByteOrderMarkElseUTF8ElseLatin1) {
    EXPECT_EQ(StatementText::decodeDetected("\xEF\xBB\xBF"
                                            "caf\xC3\xA9"),
              "caf\xC3\xA9");
    EXPECT_EQ(StatementText::decodeDetected(std::string("\xFF\xFE"
                                                        "c\0\xE9\0",
                                                        6)),
              "c\xC3\xA9");
    EXPECT_EQ(StatementText::decodeDetected(std::string("\xFE\xFF\0c\0\xE9", 6)), "c\xC3\xA9");
    EXPECT_EQ(StatementText::decodeDetected(std::string("\xFF\xFE\0\0c\0\0\0", 8)), "c");
    EXPECT_EQ(StatementText::decodeDetected("caf\xE9"), std::nullopt);
    EXPECT_EQ(StatementText::decodeLatin1("caf\xE9 \xA3"), "caf\xC3\xA9 \xC2\xA3");
    EXPECT_EQ(StatementText::validUTF8("a\xFF"
                                       "b"),
              "a\xEF\xBF\xBD"
              "b");
}

}  // namespace
