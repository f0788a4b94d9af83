#include <gtest/gtest.h>

#include <set>

#include "LedgerTestSupport.h"
#include "ledger/CurrenciesFile.h"

namespace {

// The message of the error that reading `path` raises.
std::string readError(const std::string& path) {
    try {
        (void)CurrenciesFile::read(path);
    } catch (const CurrenciesFile::Error& error) {
        return error.what();
    }
    return "(no error)";
}

std::string entry(const std::string& code, const std::string& rate) {
    return currencyEntry(code, code + " Units", rate);
}

TEST(CurrenciesFile, ReadsEntriesInFileOrderWhateverTheKeyOrder) {
    std::vector<CurrenciesFile::Entry> expected = {
        {"EUR", "Euros", dec("0.8")},
        {"JPY", "Japanese Yen", Decimal(110)},
        {"GBP", "British Pounds", dec("0.5")},
    };
    EXPECT_EQ(CurrenciesFile::read(kEurJpyGbp), expected);
}

TEST(CurrenciesFile, RatesKeepEveryDigitOfTheirText) {
    // More digits than a double holds: a detour through binary floating point would lose them.
    std::string path = writeTemporaryFile(
        "exact.plist", currenciesPlist(entry("AAA", "<real> 0.12345678901234567890123 </real>") +
                                       entry("BBB", "<integer>+12345678901234567890</integer>") +
                                       entry("CCC", "<real>1.5e3</real>")));
    std::vector<CurrenciesFile::Entry> entries = CurrenciesFile::read(path);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].rate.toString(), "0.12345678901234567890123");
    EXPECT_EQ(entries[1].rate.toString(), "12345678901234567890");
    EXPECT_EQ(entries[2].rate.toString(), "1500");
}

TEST(CurrenciesFile, BrokenFilesGiveAnErrorNamingTheFileAndTheFault) {
    const std::string yen =
        "<key>code</key><string>JPY</string><key>name</key><string>Yen</string>";
    struct Case {
        const char* name;
        std::string content;
        const char* fault;
    };
    const Case cases[] = {
        {"empty", "", "not a valid XML document"},
        {"unclosed", "<plist><array><dict>", "not a valid XML document"},
        {"no-plist", "<array></array>", "not a property list"},
        {"empty-plist", "<plist></plist>", "root of the property list is not an array"},
        {"string-item", currenciesPlist("<string>EUR</string>"), "entry 1 is not a dictionary"},
        {"no-rate", currenciesPlist(entry("EUR", "<real>0.9</real>") + "<dict>" + yen + "</dict>"),
         "entry 2 (\"JPY\") has no \"rate\""},
        {"no-code",
         currenciesPlist("<dict><key>name</key><string>Yen</string><key>rate</key>"
                         "<integer>1</integer></dict>"),
         "entry 1 has no \"code\""},
        {"key-without-value", currenciesPlist("<dict>" + yen + "<key>rate</key></dict>"),
         "has no value for \"rate\""},
        {"code-not-string",
         currenciesPlist("<dict><key>code</key><integer>978</integer><key>name</key>"
                         "<string>Euros</string><key>rate</key><real>0.9</real></dict>"),
         "\"code\" that is not a string"},
        {"empty-code", currenciesPlist(entry("", "<real>0.9</real>")), "empty \"code\""},
        {"rate-text", currenciesPlist(entry("EUR", "<real>abc</real>")),
         "\"rate\" that is not a number: \"abc\""},
        {"rate-nan", currenciesPlist(entry("EUR", "<real>nan</real>")), "not a number"},
        {"rate-fraction-integer", currenciesPlist(entry("EUR", "<integer>0.9</integer>")),
         "not a number"},
        {"rate-as-string", currenciesPlist(entry("EUR", "<string>0.9</string>")),
         "\"rate\" that is not a number"},
        {"rate-zero", currenciesPlist(entry("EUR", "<integer>0</integer>")), "not above zero"},
        {"rate-negative", currenciesPlist(entry("EUR", "<real>-0.9</real>")), "not above zero"},
        {"duplicate",
         currenciesPlist(entry("EUR", "<real>0.9</real>") + entry("EUR", "<real>0.8</real>")),
         "entry 2 repeats the code \"EUR\""},
        {"usd-listed", currenciesPlist(entry("USD", "<integer>1</integer>")), "lists \"USD\""},
        {"duplicate-key",
         currenciesPlist("<dict><key>code</key><string>EUR</string>" + yen + "</dict>"),
         "repeats the key \"code\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string path = writeTemporaryFile(std::string(c.name) + ".plist", c.content);
        const std::string message = readError(path);
        EXPECT_NE(message.find(path), std::string::npos) << message;
        EXPECT_NE(message.find(c.fault), std::string::npos) << message;
    }
    const std::string missing = testing::TempDir() + "/no-such-currencies.plist";
    EXPECT_EQ(readError(missing), "Currencies file " + missing + ": the file cannot be read");
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
        if (e.code == "EUR" || e.code == "JPY") {
            EXPECT_EQ(e.name, e.code == "EUR" ? "Euros" : "Japanese Yen");
        }
    }
    EXPECT_EQ(codes.count("USD"), 0u);
    EXPECT_EQ(codes.count("EUR"), 1u);
    EXPECT_EQ(codes.count("JPY"), 1u);
}

}  // namespace
