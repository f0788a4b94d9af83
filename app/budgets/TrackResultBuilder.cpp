#include "TrackResultBuilder.h"

#include <utility>

#include "base/AssertionFailure.h"

void TrackResultBuilder::addCategoryRow(TrackRow row, const CategoryGroup* group,
                                        const std::string& groupName) {
    PN_ASSERT(row.type == TrackRow::Type::Category, "Only category rows join a group");
    if (group == nullptr) {
        m_result.progress.push_back(std::move(row));
        return;
    }
    auto found = m_groupRows.find(group);
    if (found == m_groupRows.end()) {
        m_result.progress.push_back(TrackRow::named(groupName, TrackRow::Type::Group));
        m_result.progress.back().group = group;
        found = m_groupRows.emplace(group, m_result.progress.size() - 1).first;
    }
    m_result.progress[found->second].categories.push_back(std::move(row));
}

void TrackResultBuilder::addUncategorizedRow(const Decimal& actual) {
    TrackRow row = TrackRow::named("Uncategorized", TrackRow::Type::Uncategorized);
    row.actual = actual;
    m_result.progress.push_back(std::move(row));
}

TrackResult TrackResultBuilder::finish() {
    TrackResult result = std::move(m_result);
    m_result = TrackResult();
    m_groupRows.clear();
    result.summarizeTrackResult();
    return result;
}
