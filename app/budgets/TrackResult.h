#pragma once

#include <cstddef>
#include <vector>

#include "TrackRow.h"

// The tracking result of one side (expense or income) of a budget: the ordered top-level rows
// ("progress") and the "Total" row. Built fresh by tracking through TrackResultBuilder and
// patched in place by the budget view after a limit edit.
struct TrackResult final {
    std::vector<TrackRow> progress;
    TrackRow total = TrackRow::named("Total", TrackRow::Type::Total);

    // Fills "limit" and "actual" of every group row with the sums over its categories, then the
    // total's with the sums over the top-level rows. Decimal sums: exact.
    void summarizeTrackResult();

    // Removes the first category row marked shouldRemove, at top level or inside a group, and a
    // group it leaves empty. Returns whether a row was removed.
    bool removeLimitMarkedForRemoval();

    // Orders the top-level rows, and each group's categories, by the absolute limit (largest
    // first unless `ascending`); rows of equal limits keep their order.
    void sortByAbsoluteLimit(bool ascending);

    // The outline's top level: the progress rows, then the total, whatever the order.
    [[nodiscard]] std::size_t outlineRowCount() const { return progress.size() + 1; }
    [[nodiscard]] const TrackRow& outlineRow(std::size_t index) const;
};
