#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "base/Date.h"
#include "scheduled/ArchivedFields.h"

// A weekly repeat rule: the item falls on one weekday, 1 (Sunday) to 7 (Saturday).
class DIWeek final {
public:
    static constexpr const char* kWeekdayKey = "DIWeekWeekday";

    explicit DIWeek(int weekday) : m_weekday(weekday) {}

    int weekday() const { return m_weekday; }
    // True when the date's weekday is this rule's weekday.
    [[nodiscard]] bool includes(Date date) const { return date.weekday_pn() == m_weekday; }

    std::size_t hash() const { return static_cast<std::size_t>(m_weekday); }
    // "DIWeek: 2".
    std::string description() const;

    ArchivedFields archive() const;
    // Nothing unless the fields hold an integer weekday from 1 to 7.
    static std::optional<DIWeek> fromArchive(const ArchivedFields& fields);

    bool operator==(const DIWeek&) const = default;

private:
    int m_weekday;
};

template <>
struct std::hash<DIWeek> {
    std::size_t operator()(const DIWeek& rule) const noexcept { return rule.hash(); }
};
