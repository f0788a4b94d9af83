// Hostile input through the readers: the fuzzers' seed corpus, every truncation and thousands of
// mutations of it, and a few large inputs built to make a backtracking reader hang. Each read
// must end with a result or one of the readers' own errors (ReaderFuzzing checks the kinds; any
// other exception fails the test by escaping).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "ReaderFuzzing.h"
#include "TestApplicationModel.h"
#include "import/ImportFromApp.h"
#include "ledger/Account.h"
#include "store/InMemoryStore.h"
#include "store/ObjectContext.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::string> seeds(const char* folder) {
    std::vector<std::string> found;
    for (const auto& entry : fs::directory_iterator(fs::path(PENNORA_FUZZ_CORPUS_DIR) / folder)) {
        std::ifstream in(entry.path(), std::ios::binary);
        found.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return found;
}

// Truncations at every position, then random byte edits: NUL, lone UTF-8 lead and continuation
// bytes, "<", ">", "^", "!", line breaks, and copies of a random slice.
std::vector<std::string> mutations(const std::vector<std::string>& originals, int count) {
    std::vector<std::string> out;
    for (const std::string& seed : originals) {
        for (std::size_t n = 0; n <= seed.size(); n += 3) {
            out.push_back(seed.substr(0, n));
        }
    }
    const std::string bytes("\0\xC3\x80\xFF\xE2<>^!\n\r/ 9", 14);
    std::mt19937 random(7);
    for (int i = 0; i < count; ++i) {
        std::string text = originals[random() % originals.size()];
        for (int edits = 1 + static_cast<int>(random() % 4); edits > 0 && !text.empty(); --edits) {
            std::size_t at = random() % text.size();
            switch (random() % 3) {
                case 0:
                    text[at] = bytes[random() % bytes.size()];
                    break;
                case 1:
                    text.insert(at, 1, bytes[random() % bytes.size()]);
                    break;
                default:
                    text.insert(at, text.substr(random() % text.size(), random() % 40));
            }
        }
        out.push_back(text);
    }
    return out;
}

std::string repeated(const std::string& piece, std::size_t times) {
    std::string text;
    text.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i) {
        text += piece;
    }
    return text;
}

TEST(HostileInput, QIFSeedsTruncationsAndMutations) {
    std::vector<std::string> corpus = seeds("qif");
    ASSERT_FALSE(corpus.empty());
    for (const std::string& text : mutations(corpus, 3000)) {
        ASSERT_TRUE(ReaderFuzzing::readQIF(text)) << text;
    }
}

TEST(HostileInput, OFXSeedsTruncationsAndMutations) {
    std::vector<std::string> corpus = seeds("ofx");
    ASSERT_FALSE(corpus.empty());
    for (const std::string& text : mutations(corpus, 3000)) {
        ASSERT_TRUE(ReaderFuzzing::readOFX(text)) << text;
    }
}

// Importing a broken export from another application ends in the accounts or in an error that
// leaves nothing behind, never in an exception or half an import.
TEST(HostileInput, ImportFromAppOfMutatedExports) {
    std::vector<std::string> corpus = seeds("qif");
    for (const std::string& text : mutations(corpus, 1500)) {
        ObjectContext ctx(applicationModel());
        ctx.setPersistentStore(std::make_unique<InMemoryStore>());
        ImportFromAppResult result = ImportFromApp::importText(text, ctx);
        if (!result.succeeded()) {
            ASSERT_EQ(Account::countInContext(ctx), 0u) << text;
            ASSERT_FALSE(ctx.hasChanges()) << text;
        } else {
            ASSERT_EQ(Account::countInContext(ctx), result.accounts.size()) << text;
        }
    }
}

TEST(HostileInput, LargeQIFWithoutRecordEndsOrWithHugeLines) {
    const std::vector<std::string> texts = {
        repeated("D03/15/2009\nT-1.00\nPname\n", 200'000),       // 5 MB without a "^" line
        "!Account\n" + repeated("NChecking\nTBank\n", 200'000),  // a section never typed
        repeated("!Account\n\n\n", 100'000) + "!Type:Bank\n",
        "D" + repeated("1", 1'000'000) + "\nT" + repeated("9", 1'000'000) + "\n^\n",
        "D1/2/2009\nT1\nP" + repeated(" \t", 500'000) + "\n^\n",
        repeated("^ x\n", 300'000),
        std::string(1'000'000, '\0'),
        repeated("\xFF\xC3", 500'000) + "\n^\n",
    };
    for (const std::string& text : texts) {
        ASSERT_TRUE(ReaderFuzzing::readQIF(text)) << text.substr(0, 40);
    }
}

TEST(HostileInput, LargeOFXNestingAndUnbalancedTags) {
    const std::string head = "<STMTRS><ACCTID>1<BANKTRANLIST><DTSTART>1<DTEND>2";
    const std::string ledger = "</BANKTRANLIST><LEDGERBAL><BALAMT>1<DTASOF>2</LEDGERBAL></STMTRS>";
    const std::vector<std::string> texts = {
        head + repeated("<STMTTRN>", 1'000'000) + ledger,
        head + repeated("<STMTTRN>", 1'000'000) + repeated("</STMTTRN>", 1'000'000) + ledger,
        repeated("<STMTRS>", 500'000),
        repeated("<CCSTMTRS><ACCTID>1", 200'000) + repeated("</CCSTMTRS>", 200'000),
        head + repeated("<STMTTRN><DTPOSTED>20090101<TRNAMT>1<NAME>", 100'000) + ledger,
        "<NAME>" + std::string(5'000'000, 'x'),
        repeated("<<>></", 500'000),
        std::string(1'000'000, '\0'),
    };
    for (const std::string& text : texts) {
        ASSERT_TRUE(ReaderFuzzing::readOFX(text)) << text.substr(0, 40);
    }
}

}  // namespace
