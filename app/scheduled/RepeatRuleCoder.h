#pragma once

#include "base/AssertionFailure.h"
#include "scheduled/RepeatRule.h"
#include "store/AttributeValue.h"

// Lets the store keep a list of repeat rules as an archived-list attribute: each rule is kept
// as its fields ("DIWeekWeekday", or "DIMonthCount" with "DIMonthUnit").
template <>
struct ArchiveCoder<RepeatRule> {
    static ArchiveFields encode(const RepeatRule& rule) { return rule.archive(); }
    // Fields that describe no rule are an AssertionFailure: the store holds only what
    // encode wrote.
    static RepeatRule decode(const ArchiveFields& fields) {
        std::optional<RepeatRule> rule = RepeatRule::fromArchive(fields);
        PN_ASSERT(rule.has_value(), "An archived repeat rule has unknown fields");
        return *rule;
    }
};
