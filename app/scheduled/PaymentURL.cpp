#include "PaymentURL.h"

#include <unicode/regex.h>
#include <unicode/unistr.h>

#include <memory>

#include "base/AssertionFailure.h"

std::string cleanupURL(std::string_view value) {
    UErrorCode status = U_ZERO_ERROR;
    icu::UnicodeString text = icu::UnicodeString::fromUTF8(
        icu::StringPiece(value.data(), static_cast<int32_t>(value.size())));
    std::unique_ptr<icu::RegexMatcher> matcher(new icu::RegexMatcher(
        icu::UnicodeString::fromUTF8("^(https?://)?(.*?)/*$"), text, 0, status));
    PN_ASSERT(U_SUCCESS(status), "Could not compile the payment address pattern");
    if (!matcher->find(status) || U_FAILURE(status)) {
        return std::string(value);
    }
    std::string host;
    matcher->group(2, status).toUTF8String(host);
    PN_ASSERT(U_SUCCESS(status), "Could not read the payment address");
    return host;
}

std::string fullURL(std::string_view storedURL) {
    return "http://" + std::string(storedURL);
}
