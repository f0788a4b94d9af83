#include "DIWeek.h"

std::string DIWeek::description() const {
    return "DIWeek: " + std::to_string(m_weekday);
}

ArchivedFields DIWeek::archive() const {
    return ArchivedFields{{kWeekdayKey, std::int64_t{m_weekday}}};
}

std::optional<DIWeek> DIWeek::fromArchive(const ArchivedFields& fields) {
    auto found = fields.find(kWeekdayKey);
    if (found == fields.end()) {
        return std::nullopt;
    }
    const auto* weekday = std::get_if<std::int64_t>(&found->second);
    if (weekday == nullptr || *weekday < 1 || *weekday > 7) {
        return std::nullopt;
    }
    return DIWeek(static_cast<int>(*weekday));
}
