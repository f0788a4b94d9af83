// Hand-written bank files of each kind, read whole and compared with their expected documents
// (tests/data/import/<file>.expected, written by hand from the files).
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "ImportTestSupport.h"
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

// The document of a statement file; the multi-account export through the account list read.
std::string documentOf(const std::string& file) {
    const std::string path = dataPath(file);
    if (file.ends_with(".ofx") || file.ends_with(".qfx")) {
        return describe(OFXReader::readTransactions(StatementText::readFile(path)));
    }
    if (file == "export.qif") {
        return ImportValue(QIFReader::parseFile(path)).description();
    }
    return describe(QIFReader::parseFileForTransactions(path));
}

TEST(RealisticStatements, EachFileReadsAsItsExpectedDocument) {
    // An SGML checking account with CRLF lines, a credit card statement in XML, a checking
    // download in QIF and a multi-account export with splits.
    for (const char* file : {"checking.ofx", "creditcard.qfx", "checking.qif", "export.qif"}) {
        SCOPED_TRACE(file);
        EXPECT_EQ(documentOf(file), expected(file));
    }
    ImportDictionary document = QIFReader::parseFileForTransactions(dataPath("checking.qif"));
    std::vector<std::string> dates;
    for (const ImportValue& entry : entriesOf(document)) {
        dates.push_back(entry.dictionary().at("dateString").text());
    }
    EXPECT_EQ(QIFReader::guessDateOrder(dates), "MDY");
    // A file that cannot be read reads as empty text.
    EXPECT_EQ(describe(QIFReader::parseFileForTransactions(dataPath("no-such-file.qif"))),
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

// ASCII is skipped eight bytes at a time: a stray byte or a sequence cut short is found at
// every place in and across those words.
TEST(RealisticStatements, InvalidUTF8IsFoundWhereverItLies) {
    for (std::size_t at = 0; at < 20; ++at) {
        SCOPED_TRACE(at);
        const std::string ascii(20, 'a');
        std::string text = ascii;
        text.insert(at, "\xC3\xA9");
        EXPECT_TRUE(StatementText::isValidUTF8(text));
        text = ascii;
        text.insert(at, "\xFF");
        EXPECT_FALSE(StatementText::isValidUTF8(text));
        text = ascii.substr(0, at) + "\xE2\x82";  // the euro sign without its last byte
        EXPECT_FALSE(StatementText::isValidUTF8(text));
    }
}

}  // namespace
