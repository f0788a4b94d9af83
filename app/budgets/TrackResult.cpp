#include "TrackResult.h"

#include <algorithm>

#include "base/AssertionFailure.h"

namespace {

void sumInto(TrackRow& target, const std::vector<TrackRow>& rows) {
    target.limit = Decimal();
    target.actual = Decimal();
    for (const TrackRow& row : rows) {
        target.limit += row.limit;
        target.actual += row.actual;
    }
}

void sortRows(std::vector<TrackRow>& rows, bool ascending) {
    std::stable_sort(rows.begin(), rows.end(), [ascending](const TrackRow& a, const TrackRow& b) {
        Decimal left = a.limit.absolute_pn();
        Decimal right = b.limit.absolute_pn();
        return ascending ? left < right : left > right;
    });
}

}  // namespace

void TrackResult::summarizeTrackResult() {
    for (TrackRow& row : progress) {
        if (row.isGroup()) {
            sumInto(row, row.categories);
        }
    }
    sumInto(total, progress);
}

bool TrackResult::removeLimitMarkedForRemoval() {
    for (auto row = progress.begin(); row != progress.end(); ++row) {
        if (row->shouldRemove) {
            progress.erase(row);
            return true;
        }
        auto& categories = row->categories;
        auto marked = std::find_if(categories.begin(), categories.end(),
                                   [](const TrackRow& r) { return r.shouldRemove; });
        if (marked != categories.end()) {
            categories.erase(marked);
            if (row->isGroup() && categories.empty()) {
                progress.erase(row);
            }
            return true;
        }
    }
    return false;
}

void TrackResult::sortByAbsoluteLimit(bool ascending) {
    sortRows(progress, ascending);
    for (TrackRow& row : progress) {
        sortRows(row.categories, ascending);
    }
}

const TrackRow& TrackResult::outlineRow(std::size_t index) const {
    PN_ASSERT(index <= progress.size(), "Row index out of range");
    return index < progress.size() ? progress[index] : total;
}
