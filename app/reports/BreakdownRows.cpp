#include "BreakdownRows.h"

#include <algorithm>
#include <numeric>

namespace {
constexpr double kNameX = 19;
constexpr double kColumnGap = 8;
constexpr double kBarGap = 14;
constexpr double kBarCaps = 28;
constexpr double kMinimumBarLength = 4;
}  // namespace

std::vector<std::size_t> BreakdownRows::orderByAmount(const std::vector<Decimal>& absoluteAmounts) {
    std::vector<std::size_t> order(absoluteAmounts.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return absoluteAmounts[a] > absoluteAmounts[b];
    });
    return order;
}

std::optional<double> BreakdownRows::barLength(const Decimal& amount, const Decimal& maxAmount,
                                               double barWidth) {
    if (amount.sign() <= 0 || maxAmount.sign() <= 0) {
        return std::nullopt;
    }
    // The share is geometry: the amounts meet floating point only here.
    double share = amount.toDouble() / maxAmount.toDouble();
    return std::max(kMinimumBarLength, share * (barWidth - kBarCaps));
}

BreakdownRows::Columns BreakdownRows::columns(double viewWidth, double nameWidth,
                                              double amountWidth) {
    Columns columns;
    columns.nameX = kNameX;
    columns.amountX = kNameX + nameWidth + kColumnGap;
    columns.lineEndX = columns.amountX + amountWidth;
    columns.barX = kBarGap + columns.lineEndX;
    columns.barWidth = viewWidth - nameWidth - amountWidth - kNameX - kColumnGap - kBarGap;
    return columns;
}
