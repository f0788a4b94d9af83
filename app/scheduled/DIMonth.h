#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "base/Date.h"
#include "scheduled/ArchivedFields.h"

// A monthly repeat rule: the item falls on day `count` of the month (1 to 31), or on the last
// day of the month when count is kLastDay or the month is too short for count.
class DIMonth final {
public:
    static constexpr int kLastDay = -1;
    static constexpr const char* kDayUnit = "Day";
    static constexpr const char* kCountKey = "DIMonthCount";
    static constexpr const char* kUnitKey = "DIMonthUnit";

    // Throws AssertionFailure "Only support day as unit for now" for any unit but "Day".
    explicit DIMonth(int count, std::string_view unit = kDayUnit);

    int count() const { return m_count; }
    // Always "Day", so it is not stored.
    std::string_view unit() const { return kDayUnit; }
    // The 31st-day rule falls on 30 April and on the last day of February.
    [[nodiscard]] bool includes(Date date) const;

    // Hash of the unit text XOR (count + 1). Throws AssertionFailure "Count should not be less
    // than -1" for a count below -1.
    std::size_t hash() const;
    // "DIMonth: 15 Day".
    std::string description() const;

    ArchivedFields archive() const;
    // Nothing unless the fields hold an integer count (-1 or 1 to 31) and the unit "Day".
    static std::optional<DIMonth> fromArchive(const ArchivedFields& fields);

    bool operator==(const DIMonth&) const = default;

private:
    int m_count;
};

template <>
struct std::hash<DIMonth> {
    std::size_t operator()(const DIMonth& rule) const { return rule.hash(); }
};
