#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "DateRange.h"
#include "base/Date.h"
#include "base/Decimal.h"

// One monthly series of the trends chart: which days each point covers, how its values are
// signed for drawing, and the tooltip's date text. The figures themselves come from the
// report queries, which the caller passes in.
class TrendSeries final {
public:
    // The four kinds of series the menu offers.
    enum class Kind { Balance, Income, Expense, Category };

    struct DataPoint final {
        Date date;      // the point's day: a month end, or the report's last day
        Decimal value;  // exact; inverting the sign keeps it exact
        bool operator==(const DataPoint&) const = default;
    };

    // The days one point sums over: (first day of its month, its date). For the balance series
    // only `date` counts: the overall balance on that day.
    struct Window final {
        Date fromDate;
        Date date;
        bool operator==(const Window&) const = default;
    };

    // The kind of a menu entry without a category, by its title: "Balance", "Income" or
    // "Expense"; any other title is AssertionFailure "Unexpected case".
    [[nodiscard]] static Kind kindForTitle(std::string_view title);

    // The points of a series over the report range: one per month end from the range's first
    // month to its last; for the balance series the last point is the range's last day.
    [[nodiscard]] static std::vector<Window> windows(Kind kind, const DateRange& range);
    // Only the balance series shows the day in its tooltip, and it is never inverted.
    [[nodiscard]] static bool shouldShowDay(Kind kind) { return kind == Kind::Balance; }
    [[nodiscard]] static bool shouldInvertSign(Kind kind) { return kind != Kind::Balance; }

    // The series: `valueFor` gives each window's figure.
    [[nodiscard]] static std::vector<DataPoint> build(
        Kind kind, const DateRange& range, const std::function<Decimal(const Window&)>& valueFor);

    // A series whose negative points outnumber its positive ones (zeros count for neither),
    // with every value negated; any other series unchanged.
    struct Inversion final {
        std::vector<DataPoint> series;
        bool signsAreInverted = false;
    };
    [[nodiscard]] static Inversion invertSignIfNeeded(const std::vector<DataPoint>& series);

    // The values alone, for the scale.
    [[nodiscard]] static std::vector<Decimal> values(const std::vector<DataPoint>& series);

    // The tooltip's first line: "MMM dd, yyyy" when the day is shown, else "MMMM, yyyy".
    [[nodiscard]] static std::string tooltipDateText(Date date, bool shouldShowDay);
    [[nodiscard]] static const char* tooltipDatePattern(bool shouldShowDay) {
        return shouldShowDay ? "MMM dd, yyyy" : "MMMM, yyyy";
    }
};
