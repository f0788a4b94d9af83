// The linear scans must give exactly the matches of the ICU patterns they stand for. Each test
// runs the literal pattern through ICU and the scan over thousands of small generated texts
// built from the pieces where the patterns are delicate: CR LF pairs, blank lines, Unicode
// line terminators and spaces, "!" lines, "^" lines with trailing text.
#include <gtest/gtest.h>

#include <unicode/regex.h>
#include <unicode/unistr.h>

#include <random>
#include <string>
#include <vector>

#include "import/OFXReader.h"
#include "import/QIFDateReader.h"
#include "import/QIFTextScanner.h"

namespace {

std::vector<std::string> icuMatches(const std::string& pattern, const std::string& text,
                                    int group = 0) {
    UErrorCode status = U_ZERO_ERROR;
    icu::UnicodeString input = icu::UnicodeString::fromUTF8(text);  // the matcher keeps a reference
    icu::RegexMatcher matcher(icu::UnicodeString::fromUTF8(pattern), input, 0, status);
    EXPECT_TRUE(U_SUCCESS(status)) << pattern;
    std::vector<std::string> found;
    while (matcher.find(status) && U_SUCCESS(status)) {
        std::string match;
        matcher.group(group, status).toUTF8String(match);
        found.push_back(match);
    }
    EXPECT_TRUE(U_SUCCESS(status)) << u_errorName(status);
    return found;
}

std::string icuReplaceAll(const std::string& pattern, const std::string& text,
                          const std::string& replacement) {
    UErrorCode status = U_ZERO_ERROR;
    icu::UnicodeString input = icu::UnicodeString::fromUTF8(text);
    icu::RegexMatcher matcher(icu::UnicodeString::fromUTF8(pattern), input, 0, status);
    std::string out;
    matcher.replaceAll(icu::UnicodeString::fromUTF8(replacement), status).toUTF8String(out);
    return out;
}

std::vector<std::string> strings(const std::vector<std::string_view>& views) {
    return {views.begin(), views.end()};
}

// Random texts from QIF-like pieces; the same seed gives the same texts on every run.
class TextGenerator {
public:
    explicit TextGenerator(std::vector<std::string> pieces, unsigned seed = 20260)
        : m_pieces(std::move(pieces)), m_random(seed) {}

    std::string next() {
        std::uniform_int_distribution<std::size_t> length(0, 24);
        std::uniform_int_distribution<std::size_t> piece(0, m_pieces.size() - 1);
        std::string text;
        for (std::size_t n = length(m_random); n > 0; --n) {
            text += m_pieces[piece(m_random)];
        }
        return text;
    }

private:
    std::vector<std::string> m_pieces;
    std::mt19937 m_random;
};

const std::vector<std::string> kLineBreaks = {"\n", "\n",       "\n",           "\r\n", "\r\n",
                                              "\r", "\xC2\x85", "\xE2\x80\xA8", "\v",   "\f"};
const std::vector<std::string> kSpaces = {" ", "\t", "\xC2\xA0", "\xE3\x80\x80"};

std::vector<std::string> withBreaksAndSpaces(std::vector<std::string> pieces) {
    for (int i = 0; i < 3; ++i) {
        pieces.insert(pieces.end(), kLineBreaks.begin(), kLineBreaks.end());
    }
    pieces.insert(pieces.end(), kSpaces.begin(), kSpaces.end());
    return pieces;
}

constexpr int kTexts = 4000;

void expectSameMatches(const std::string& pattern, const std::vector<std::string>& pieces,
                       std::vector<std::string_view> (*scan)(std::string_view),
                       int texts = kTexts) {
    TextGenerator generator(withBreaksAndSpaces(pieces));
    int nonEmpty = 0;
    for (int i = 0; i < texts; ++i) {
        std::string text = generator.next();
        std::vector<std::string> expected = icuMatches(pattern, text);
        nonEmpty += expected.empty() ? 0 : 1;
        ASSERT_EQ(strings(scan(text)), expected) << "text: [" << text << "]";
    }
    // The generator must reach the interesting cases, not only texts without a match.
    EXPECT_GT(nonEmpty, texts / 25);
}

TEST(QIFTextScannerDifferential, RecordsMatchTheRecordPattern) {
    expectSameMatches(QIFTextScanner::kRecordPattern,
                      {"^", "^", "^", "^x", "D1/2/03", "T-1.00", "P a", "!Type:Bank", "x"},
                      &QIFTextScanner::records);
}

TEST(QIFTextScannerDifferential, AccountFragmentsMatchTheSectionPattern) {
    expectSameMatches(QIFTextScanner::kAccountFragmentPattern,
                      {"!Account", "!Account\n", "!Account\r\n", "!Type:Bank", "!Type:Cash\n",
                       "!Type:CCard\r\n", "!Type:Bank\n", "!Type:Invst\n", "!Type:Banking",
                       "NChecking\n^\n", "NChecking\r\n^\r\n", "^", "D1/2/03\n", "!", "x"},
                      &QIFTextScanner::accountFragments, 4 * kTexts);
}

TEST(QIFTextScannerDifferential, BlocksMatchTheBlockPattern) {
    expectSameMatches(QIFTextScanner::kBlockPattern,
                      {"!Account", "!Type:Bank", "!", "NChecking", "^", "x", "D1/2/03"},
                      &QIFTextScanner::blocks);
}

TEST(QIFTextScannerDifferential, SplitsMatchTheSplitPattern) {
    expectSameMatches(
        QIFTextScanner::kSplitPattern,
        {"S", "SFood\n", "S\n", "E", "Elunch\n", "$", "$-1.00\n", "$2\r\n", "^", "T", "x", "!"},
        &QIFTextScanner::splits, 4 * kTexts);
}

TEST(QIFTextScannerDifferential, FieldLookupMatchesTheFieldPattern) {
    TextGenerator generator(withBreaksAndSpaces({"D", "D1/2/03", "T", "T-1", "Px", "^", "x"}));
    for (int i = 0; i < kTexts; ++i) {
        std::string text = generator.next();
        for (std::string letter : {"D", "T", "P"}) {
            std::vector<std::string> expected = icuMatches("(?m)^" + letter + "(.*)$", text, 1);
            auto found = QIFTextScanner::lineValue(letter, text);
            ASSERT_EQ(found.has_value(), !expected.empty()) << "text: [" << text << "]";
            if (found) {
                ASSERT_EQ(std::string(*found), expected.front()) << "text: [" << text << "]";
            }
        }
    }
}

TEST(QIFTextScannerDifferential, NameCleanUpMatchesTheReplacements) {
    TextGenerator generator(
        withBreaksAndSpaces({"ACME", "&", "amp;", "AMP;", "Amp;", "&amp", "x", "#12"}));
    for (int i = 0; i < kTexts; ++i) {
        std::string text = generator.next();
        std::string collapsed = icuReplaceAll("\\s+", text, " ");
        ASSERT_EQ(QIFTextScanner::collapseWhiteSpace(text), collapsed) << "[" << text << "]";
        ASSERT_EQ(OFXReader::processName(text), icuReplaceAll("(?i)&(amp;)+", collapsed, "&"))
            << "[" << text << "]";
    }
}

TEST(QIFTextScannerDifferential, DateComponentsMatchTheComponentPattern) {
    TextGenerator generator({"1", "09", "2009", "/", "-", ".", "'", " ", "x", "\xD9\xA3"});
    for (int i = 0; i < kTexts; ++i) {
        std::string text = generator.next();
        UErrorCode status = U_ZERO_ERROR;
        icu::UnicodeString input = icu::UnicodeString::fromUTF8(text);
        icu::RegexMatcher matcher("(\\d+)\\D+(\\d+)\\D+(\\d+)", input, 0, status);
        if (!matcher.find(status)) {
            EXPECT_THROW(QIFDateReader::dateComponentsFromString(text), std::exception) << text;
            continue;
        }
        auto components = QIFDateReader::dateComponentsFromString(text);
        for (int g = 1; g <= 3; ++g) {
            std::string digits;
            matcher.group(g, status).toUTF8String(digits);
            if (digits.find('\xD9') != std::string::npos || digits.size() > 9) {
                continue;  // Arabic-Indic digits and long runs are checked elsewhere
            }
            ASSERT_EQ(components[static_cast<std::size_t>(g - 1)], std::stoll(digits)) << text;
        }
    }
}

}  // namespace
