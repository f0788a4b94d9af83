#include "RepeatRule.h"

bool RepeatRule::includes(Date date) const {
    return std::visit([date](const auto& rule) { return rule.includes(date); }, m_rule);
}

std::size_t RepeatRule::hash() const {
    return std::visit([](const auto& rule) { return rule.hash(); }, m_rule);
}

std::string RepeatRule::description() const {
    return std::visit([](const auto& rule) { return rule.description(); }, m_rule);
}

ArchivedFields RepeatRule::archive() const {
    return std::visit([](const auto& rule) { return rule.archive(); }, m_rule);
}

std::optional<RepeatRule> RepeatRule::fromArchive(const ArchivedFields& fields) {
    if (fields.contains(DIWeek::kWeekdayKey)) {
        if (auto week = DIWeek::fromArchive(fields)) {
            return RepeatRule(*week);
        }
        return std::nullopt;
    }
    if (auto month = DIMonth::fromArchive(fields)) {
        return RepeatRule(*month);
    }
    return std::nullopt;
}

ArchivedFieldsList RepeatRule::archiveList(const std::vector<RepeatRule>& rules) {
    ArchivedFieldsList list;
    list.reserve(rules.size());
    for (const RepeatRule& rule : rules) {
        list.push_back(rule.archive());
    }
    return list;
}

std::optional<std::vector<RepeatRule>> RepeatRule::fromArchiveList(const ArchivedFieldsList& list) {
    std::vector<RepeatRule> rules;
    rules.reserve(list.size());
    for (const ArchivedFields& fields : list) {
        std::optional<RepeatRule> rule = fromArchive(fields);
        if (!rule) {
            return std::nullopt;
        }
        rules.push_back(std::move(*rule));
    }
    return rules;
}
