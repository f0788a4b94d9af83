#include <gtest/gtest.h>

#include "base/AssertionFailure.h"
#include "base/Log.h"
#include "base/ParseError.h"
#include "base/ValidationError.h"

namespace {

ValidationError rule(int code, const char* text) {
    return ValidationError{
        ValidationError::domainWithSuffix(".TransactionError"), code, text, {}, {}};
}

TEST(ValidationError, DomainsAndInternalErrors) {
    EXPECT_EQ(ValidationError::domainWithSuffix(".ErrorDomain"), "org.pennora.Pennora.ErrorDomain");
    ValidationError e = ValidationError::internalError(".ValidationError", "ABEXA");
    EXPECT_EQ(e.domain, "org.pennora.Pennora.ValidationError");
    EXPECT_EQ(e.code, 1);
    EXPECT_EQ(e.localizedDescription, "An internal error has occurred. (Code: ABEXA)");
}

TEST(ValidationError, CombiningTwoPlainErrors) {
    ValidationError first = rule(0, "first"), second = rule(1, "second");
    ValidationError combined = errorFromOriginalError_pn(first, second);
    EXPECT_TRUE(combined.isMultipleValidationErrors());
    ASSERT_EQ(combined.detailedErrors.size(), 2u);
    EXPECT_EQ(combined.detailedErrors[0], second);
    EXPECT_EQ(combined.detailedErrors[1], first);
}

TEST(ValidationError, CombiningIntoACombinationFlattensIt) {
    ValidationError a = rule(0, "a"), b = rule(1, "b"), c = rule(2, "c");
    ValidationError ab = errorFromOriginalError_pn(a, b);
    ab.userInfo["NSValidationKey"] = "amount";
    ValidationError abc = errorFromOriginalError_pn(ab, c);
    ASSERT_EQ(abc.detailedErrors.size(), 3u);
    EXPECT_EQ(abc.detailedErrors[0], c);
    EXPECT_EQ(abc.detailedErrors[1], b);
    EXPECT_EQ(abc.detailedErrors[2], a);
    EXPECT_EQ(abc.userInfo.at("NSValidationKey"), "amount");
}

TEST(ValidationError, FailValidationFillsThenCombines) {
    std::optional<ValidationError> slot;
    EXPECT_FALSE(failValidation(slot, rule(0, "a")));
    EXPECT_EQ(slot->code, 0);
    EXPECT_FALSE(failValidation(slot, rule(1, "b")));
    EXPECT_TRUE(slot->isMultipleValidationErrors());
    EXPECT_EQ(slot->detailedErrors.size(), 2u);
}

TEST(AssertionFailure, RecordsMessageFileAndLine) {
    try {
        PN_ASSERT(1 + 1 == 3, "Unexpected type for predicate");
        FAIL();
    } catch (const AssertionFailure& failure) {
        EXPECT_EQ(failure.message(), "Unexpected type for predicate");
        // The file without the build machine's folders, in the record and in the text.
        EXPECT_STREQ(failure.file(), "ErrorsTest.cpp");
        EXPECT_GT(failure.line(), 0);
        EXPECT_EQ(std::string(failure.what()), "Unexpected type for predicate (ErrorsTest.cpp:" +
                                                   std::to_string(failure.line()) + ")");
    }
}

TEST(ParseError, CarriesKindReasonAndDetails) {
    ParseError e("PNParseError", "Missing date in record.", {{"sample", "05/05/09"}});
    EXPECT_EQ(e.kind(), "PNParseError");
    EXPECT_EQ(e.reason(), "Missing date in record.");
    EXPECT_EQ(e.details().at("sample"), "05/05/09");
}

TEST(Log, LinesGoToTheSink) {
    std::vector<std::string> lines;
    setLogSink([&](std::string_view line) { lines.emplace_back(line); });
    logLine("Updating projection...");
    setLogSink(nullptr);
    EXPECT_EQ(lines, std::vector<std::string>{"Updating projection..."});
}

}  // namespace
