#include "DateFormatter.h"

#include <unicode/datefmt.h>
#include <unicode/gregocal.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>

#include "AssertionFailure.h"
#include "UserLocale.h"

namespace {

icu::UnicodeString toUnicode(std::string_view text) {
    return icu::UnicodeString::fromUTF8(
        icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
}

}  // namespace

DateFormatter::DateFormatter(std::unique_ptr<icu::DateFormat> format)
    : m_format(std::move(format)) {
    PN_ASSERT(m_format != nullptr, "Could not create date formatter");
    // The UTC calendar and zone: a Date's timestamp is 00:00 UTC of its day.
    m_format->adoptTimeZone(icu::TimeZone::createTimeZone("UTC"));
    UErrorCode status = U_ZERO_ERROR;
    auto* calendar = new icu::GregorianCalendar(icu::TimeZone::createTimeZone("UTC"),
                                                icu::Locale(UserLocale::current().c_str()), status);
    if (U_SUCCESS(status)) {
        m_format->adoptCalendar(calendar);
    } else {
        delete calendar;
    }
    m_format->setLenient(false);
}

DateFormatter::~DateFormatter() = default;
DateFormatter::DateFormatter(DateFormatter&&) noexcept = default;
DateFormatter& DateFormatter::operator=(DateFormatter&&) noexcept = default;

DateFormatter DateFormatter::defaultDateFormatter_PN() {
    return withPattern("MMM dd, yyyy");
}

DateFormatter DateFormatter::withPattern(std::string_view pattern) {
    UErrorCode status = U_ZERO_ERROR;
    auto format = std::make_unique<icu::SimpleDateFormat>(
        toUnicode(pattern), icu::Locale(UserLocale::current().c_str()), status);
    PN_ASSERT(U_SUCCESS(status), "Could not create date formatter");
    return DateFormatter(std::move(format));
}

std::string DateFormatter::stringFromDate(Date date) const {
    icu::UnicodeString text;
    m_format->format(static_cast<UDate>(date.secondsSinceEpoch()) * 1000.0, text);
    std::string utf8;
    text.toUTF8String(utf8);
    return utf8;
}

std::optional<Date> DateFormatter::dateFromString(std::string_view text) const {
    UErrorCode status = U_ZERO_ERROR;
    UDate when = m_format->parse(toUnicode(text), status);
    if (U_FAILURE(status)) {
        return std::nullopt;
    }
    auto seconds = static_cast<std::int64_t>(when / 1000.0);
    std::int64_t days = seconds >= 0 ? seconds / 86400 : -((-seconds + 86399) / 86400);
    return Date::fromDaysSinceEpoch(static_cast<std::int32_t>(days));
}

std::string DateFormatter::pattern() const {
    icu::UnicodeString text;
    if (auto* simple = dynamic_cast<const icu::SimpleDateFormat*>(m_format.get())) {
        simple->toPattern(text);
    }
    std::string utf8;
    text.toUTF8String(utf8);
    return utf8;
}
