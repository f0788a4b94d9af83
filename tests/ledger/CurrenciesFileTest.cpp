#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "ledger/CurrenciesFile.h"

namespace {

const std::string kEurJpyGbp =
    std::string(PENNORA_TEST_DATA_DIR) + "/ledger/EurJpyGbpCurrencies.plist";

// Writes `content` to a fresh file under the test temporary folder and returns its path.
std::string writeTemporaryFile(const std::string& name, const std::string& content) {
    std::filesystem::path path = std::filesystem::path(testing::TempDir()) / name;
    std::ofstream(path, std::ios::binary) << content;
    return path.string();
}

std::string plistWithEntries(const std::string& entries) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><array>" + entries +
           "</array></plist>\n";
}

std::string entry(const std::string& code, const std::string& rateElement) {
    return "<dict><key>code</key><string>" + code + "</string><key>name</key><string>" + code +
           " Units</string><key>rate</key>" + rateElement + "</dict>";
}

TEST(CurrenciesFile, ReadsEntriesInFileOrderWhateverTheKeyOrder) {
    std::vector<CurrenciesFile::Entry> entries = CurrenciesFile::read(kEurJpyGbp);
    std::vector<CurrenciesFile::Entry> expected = {
        {"EUR", "Euros", Decimal::fromString("0.8")},
        {"JPY", "Japanese Yen", Decimal(110)},
        {"GBP", "British Pounds", Decimal::fromString("0.5")},
    };
    EXPECT_EQ(entries, expected);
}

TEST(CurrenciesFile, RatesKeepEveryDigitOfTheirText) {
    // More digits than a double holds: a detour through binary floating point would lose them.
    std::string path = writeTemporaryFile(
        "exact.plist", plistWithEntries(entry("AAA", "<real> 0.12345678901234567890123 </real>") +
                                        entry("BBB", "<integer>+12345678901234567890</integer>") +
                                        entry("CCC", "<real>1.5e3</real>")));
    std::vector<CurrenciesFile::Entry> entries = CurrenciesFile::read(path);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].rate.toString(), "0.12345678901234567890123");
    EXPECT_EQ(entries[1].rate.toString(), "12345678901234567890");
    EXPECT_EQ(entries[2].rate.toString(), "1500");
}

TEST(CurrenciesFile, BrokenFilesGiveAnErrorNamingTheFileAndTheFault) {
    struct Case {
        const char* name;
        std::string content;
        const char* fault;
    };
    const Case cases[] = {
        {"empty", "", "not a valid XML document"},
        {"not-xml", "code,name,rate\nEUR,Euros,0.9\n", "not a valid XML document"},
        {"unclosed", "<plist><array><dict>", "not a valid XML document"},
        {"no-plist", "<array></array>", "not a property list"},
        {"dict-root", "<plist><dict></dict></plist>", "root of the property list is not an array"},
        {"empty-plist", "<plist></plist>", "root of the property list is not an array"},
        {"string-item", plistWithEntries("<string>EUR</string>"), "entry 1 is not a dictionary"},
        {"no-rate",
         plistWithEntries(entry("EUR", "<real>0.9</real>") +
                          "<dict><key>code</key><string>JPY</string><key>name</key>"
                          "<string>Yen</string></dict>"),
         "entry 2 (\"JPY\") has no \"rate\""},
        {"no-code",
         plistWithEntries("<dict><key>name</key><string>Yen</string><key>rate</key>"
                          "<integer>1</integer></dict>"),
         "entry 1 has no \"code\""},
        {"no-name",
         plistWithEntries("<dict><key>code</key><string>JPY</string><key>rate</key>"
                          "<integer>1</integer></dict>"),
         "entry 1 (\"JPY\") has no \"name\""},
        {"key-without-value",
         plistWithEntries("<dict><key>code</key><string>JPY</string><key>name</key>"
                          "<string>Yen</string><key>rate</key></dict>"),
         "has no value for \"rate\""},
        {"code-not-string",
         plistWithEntries("<dict><key>code</key><integer>978</integer><key>name</key>"
                          "<string>Euros</string><key>rate</key><real>0.9</real></dict>"),
         "\"code\" that is not a string"},
        {"empty-code", plistWithEntries(entry("", "<real>0.9</real>")), "empty \"code\""},
        {"rate-text", plistWithEntries(entry("EUR", "<real>abc</real>")),
         "\"rate\" that is not a number: \"abc\""},
        {"rate-empty", plistWithEntries(entry("EUR", "<real></real>")), "not a number"},
        {"rate-nan", plistWithEntries(entry("EUR", "<real>nan</real>")), "not a number"},
        {"rate-fraction-integer", plistWithEntries(entry("EUR", "<integer>0.9</integer>")),
         "not a number"},
        {"rate-as-string", plistWithEntries(entry("EUR", "<string>0.9</string>")),
         "\"rate\" that is not a number"},
        {"rate-zero", plistWithEntries(entry("EUR", "<integer>0</integer>")), "not above zero"},
        {"rate-real-zero", plistWithEntries(entry("EUR", "<real>0.000</real>")), "not above zero"},
        {"rate-negative", plistWithEntries(entry("EUR", "<real>-0.9</real>")), "not above zero"},
        {"duplicate",
         plistWithEntries(entry("EUR", "<real>0.9</real>") + entry("EUR", "<real>0.8</real>")),
         "entry 2 repeats the code \"EUR\""},
        {"usd-listed", plistWithEntries(entry("USD", "<integer>1</integer>")), "lists \"USD\""},
        {"duplicate-key",
         plistWithEntries("<dict><key>code</key><string>EUR</string><key>code</key>"
                          "<string>JPY</string><key>name</key><string>x</string><key>rate</key>"
                          "<real>1</real></dict>"),
         "repeats the key \"code\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string path = writeTemporaryFile(std::string(c.name) + ".plist", c.content);
        try {
            (void)CurrenciesFile::read(path);
            ADD_FAILURE() << "no error";
        } catch (const CurrenciesFile::Error& error) {
            std::string message = error.what();
            EXPECT_NE(message.find(path), std::string::npos) << message;
            EXPECT_NE(message.find(c.fault), std::string::npos) << message;
        }
    }
}

TEST(CurrenciesFile, MissingFileIsAnError) {
    std::string path = std::string(testing::TempDir()) + "/no-such-currencies.plist";
    try {
        (void)CurrenciesFile::read(path);
        ADD_FAILURE() << "no error";
    } catch (const CurrenciesFile::Error& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Currencies file " + path + ": the file cannot be read");
    }
}

TEST(CurrenciesFile, ShippedFileListsEveryCurrencyButTheDollarOnce) {
    std::vector<CurrenciesFile::Entry> entries =
        CurrenciesFile::read(CurrenciesFile::defaultPath());
    EXPECT_GE(entries.size(), 140u);
    EXPECT_LE(entries.size(), 170u);
    std::set<std::string> codes;
    for (const CurrenciesFile::Entry& e : entries) {
        SCOPED_TRACE(e.code);
        EXPECT_TRUE(codes.insert(e.code).second) << "listed twice";
        ASSERT_EQ(e.code.size(), 3u);
        for (char c : e.code) {
            EXPECT_TRUE(c >= 'A' && c <= 'Z');
        }
        EXPECT_FALSE(e.name.empty());
        EXPECT_GT(e.rate, Decimal(0));
    }
    EXPECT_EQ(codes.count("USD"), 0u);
    auto nameOf = [&](const std::string& code) {
        for (const CurrenciesFile::Entry& e : entries) {
            if (e.code == code) {
                return e.name;
            }
        }
        return std::string("(missing)");
    };
    EXPECT_EQ(nameOf("EUR"), "Euros");
    EXPECT_EQ(nameOf("JPY"), "Japanese Yen");
    EXPECT_EQ(nameOf("GBP"), "British Pounds");
    EXPECT_EQ(nameOf("CAD"), "Canadian Dollars");
    EXPECT_EQ(nameOf("CHF"), "Swiss Francs");
}

}  // namespace
