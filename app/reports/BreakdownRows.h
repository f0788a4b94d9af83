#pragma once

#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

#include "base/Decimal.h"

// The rows of the breakdown bars for one side of a breakdown: every entry by its absolute
// amount, largest first, then a total row. Amounts stay Decimal because they are shown as text;
// only bar lengths are geometry.
class BreakdownRows final {
public:
    static constexpr const char* kTotalTitle = "Total";

    template <typename Key>
    struct Row final {
        Key key;
        Decimal amount;  // absolute
    };

    template <typename Key>
    struct Rows final {
        std::vector<Row<Key>> rows;  // largest first; equal amounts keep their input order
        Decimal maxAmount;           // the largest amount (zero without rows)
        Decimal total;               // the sum of all amounts, shown in the total row
    };

    // The rows for (key, signed amount) entries.
    template <typename Key>
    [[nodiscard]] static Rows<Key> make(const std::vector<std::pair<Key, Decimal>>& entries);

    // The indexes of `absoluteAmounts` from the largest amount down; stable for equal ones.
    [[nodiscard]] static std::vector<std::size_t> orderByAmount(
        const std::vector<Decimal>& absoluteAmounts);

    // The length of a row's bar in a bar area `barWidth` wide: amount / maxAmount of the width
    // less 28, at least 4; nothing (no bar) for an amount of zero.
    [[nodiscard]] static std::optional<double> barLength(const Decimal& amount,
                                                         const Decimal& maxAmount, double barWidth);

    // Columns of a view `viewWidth` wide whose widest name is `nameWidth` and widest amount
    // `amountWidth`: names, amounts, the end of the separator lines, and the bars.
    struct Columns final {
        double nameX = 0;
        double amountX = 0;
        double lineEndX = 0;
        double barX = 0;
        double barWidth = 0;
        bool operator==(const Columns&) const = default;
    };
    [[nodiscard]] static Columns columns(double viewWidth, double nameWidth, double amountWidth);
    // The top of row i (the view's y grows downward); the view is rowY(rows) high.
    [[nodiscard]] static double rowY(std::size_t index) { return 13 + 31 * double(index); }
    // A row's separator line, half a point off for a crisp line, and its bar's top.
    [[nodiscard]] static double separatorY(double rowY, double nameHeight) {
        return rowY + nameHeight + 8 - 0.5;
    }
    [[nodiscard]] static double barY(double rowY) { return rowY - 1; }
};

template <typename Key>
BreakdownRows::Rows<Key> BreakdownRows::make(const std::vector<std::pair<Key, Decimal>>& entries) {
    std::vector<Decimal> amounts;
    amounts.reserve(entries.size());
    for (const auto& entry : entries) {
        amounts.push_back(entry.second.absolute_pn());
    }
    Rows<Key> result;
    for (std::size_t index : orderByAmount(amounts)) {
        result.rows.push_back({entries[index].first, amounts[index]});
        result.total += amounts[index];
    }
    if (!result.rows.empty()) {
        result.maxAmount = result.rows.front().amount;
    }
    return result;
}
