#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "Date.h"

#include <unicode/uversion.h>

U_NAMESPACE_BEGIN
class DateFormat;
U_NAMESPACE_END

// Formats calendar dates with an ICU pattern or style, always in the UTC calendar and zone so
// that a Date shows the day it is. Month names follow the user's locale (UserLocale).
class DateFormatter {
public:
    virtual ~DateFormatter();
    DateFormatter(DateFormatter&&) noexcept;
    DateFormatter& operator=(DateFormatter&&) noexcept;

    // Pattern "MMM dd, yyyy" in the user's locale ("Mar 05, 2012" in en_US).
    static DateFormatter defaultDateFormatter_PN();
    // Any ICU pattern (e.g. "MMMM d") in the user's locale.
    static DateFormatter withPattern(std::string_view pattern);

    std::string stringFromDate(Date date) const;
    // Reads text in this formatter's form; nothing when it does not parse.
    std::optional<Date> dateFromString(std::string_view text) const;
    // The ICU pattern in use ("MMM d, y" for the medium style in en_US).
    std::string pattern() const;

protected:
    explicit DateFormatter(std::unique_ptr<icu::DateFormat> format);

private:
    std::unique_ptr<icu::DateFormat> m_format;
};
