#include "DIMonth.h"

#include "base/AssertionFailure.h"

DIMonth::DIMonth(int count, std::string_view unit) : m_count(count) {
    PN_ASSERT(unit == kDayUnit, "Only support day as unit for now");
}

bool DIMonth::includes(Date date) const {
    // Each calendar conversion costs; the walk asks this for every day, so read the day once
    // and learn "last day of the month" from the next day being a first.
    const int day = date.day_pn();
    if (day == m_count) {
        return true;
    }
    if (m_count != kLastDay && m_count <= 28) {
        return false;
    }
    // Here the count is the last day, or a day that this month may be too short for.
    return (m_count == kLastDay || day < m_count) && date.advanceDays_PN(1).day_pn() == 1;
}

std::size_t DIMonth::hash() const {
    PN_ASSERT(m_count >= -1, "Count should not be less than -1");
    return std::hash<std::string_view>()(unit()) ^ static_cast<std::size_t>(m_count + 1);
}

std::string DIMonth::description() const {
    return "DIMonth: " + std::to_string(m_count) + " " + std::string(unit());
}

ArchivedFields DIMonth::archive() const {
    return ArchivedFields{{kCountKey, std::int64_t{m_count}}, {kUnitKey, std::string(unit())}};
}

std::optional<DIMonth> DIMonth::fromArchive(const ArchivedFields& fields) {
    auto countField = fields.find(kCountKey);
    auto unitField = fields.find(kUnitKey);
    if (countField == fields.end() || unitField == fields.end()) {
        return std::nullopt;
    }
    const auto* count = std::get_if<std::int64_t>(&countField->second);
    const auto* unit = std::get_if<std::string>(&unitField->second);
    if (count == nullptr || unit == nullptr || *unit != kDayUnit) {
        return std::nullopt;
    }
    if (*count != kLastDay && (*count < 1 || *count > 31)) {
        return std::nullopt;
    }
    return DIMonth(static_cast<int>(*count));
}
