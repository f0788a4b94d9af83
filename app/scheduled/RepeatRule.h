#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "base/Date.h"
#include "scheduled/ArchivedFields.h"
#include "scheduled/DIMonth.h"
#include "scheduled/DIWeek.h"

// One entry of an item's repeat rules: a DIWeek or a DIMonth.
class RepeatRule final {
public:
    RepeatRule(DIWeek rule) : m_rule(rule) {}   // NOLINT: a rule is a rule
    RepeatRule(DIMonth rule) : m_rule(rule) {}  // NOLINT

    bool isWeek() const { return std::holds_alternative<DIWeek>(m_rule); }
    bool isMonth() const { return std::holds_alternative<DIMonth>(m_rule); }
    // The held rule, or nullptr when it is of the other kind.
    const DIWeek* week() const { return std::get_if<DIWeek>(&m_rule); }
    const DIMonth* month() const { return std::get_if<DIMonth>(&m_rule); }

    [[nodiscard]] bool includes(Date date) const;
    std::size_t hash() const;
    std::string description() const;

    ArchivedFields archive() const;
    // A DIWeek when the fields hold "DIWeekWeekday", a DIMonth when they hold "DIMonthCount";
    // nothing when they describe neither.
    static std::optional<RepeatRule> fromArchive(const ArchivedFields& fields);

    // The rules in order, each as its fields.
    static ArchivedFieldsList archiveList(const std::vector<RepeatRule>& rules);
    // Nothing when any entry describes no rule.
    static std::optional<std::vector<RepeatRule>> fromArchiveList(const ArchivedFieldsList& list);

    bool operator==(const RepeatRule&) const = default;

private:
    std::variant<DIWeek, DIMonth> m_rule;
};

template <>
struct std::hash<RepeatRule> {
    std::size_t operator()(const RepeatRule& rule) const { return rule.hash(); }
};
