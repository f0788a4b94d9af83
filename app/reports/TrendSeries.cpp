#include "TrendSeries.h"

#include "base/AssertionFailure.h"
#include "base/DateFormatter.h"

TrendSeries::Kind TrendSeries::kindForTitle(std::string_view title) {
    if (title == "Balance") {
        return Kind::Balance;
    }
    if (title == "Income") {
        return Kind::Income;
    }
    if (title == "Expense") {
        return Kind::Expense;
    }
    PN_ASSERTION_FAILURE("Unexpected case");
}

std::vector<TrendSeries::Window> TrendSeries::windows(Kind kind, const DateRange& range) {
    std::vector<Date> monthEnds = range.monthEnds();
    if (kind == Kind::Balance && !monthEnds.empty()) {
        monthEnds.back() = range.last;
    }
    std::vector<Window> result;
    result.reserve(monthEnds.size());
    for (Date end : monthEnds) {
        result.push_back({end.beginningOfMonth_pn(), end});
    }
    return result;
}

std::vector<TrendSeries::DataPoint> TrendSeries::build(
    Kind kind, const DateRange& range, const std::function<Decimal(const Window&)>& valueFor) {
    std::vector<DataPoint> series;
    for (const Window& window : windows(kind, range)) {
        series.push_back({window.date, valueFor(window)});
    }
    return series;
}

TrendSeries::Inversion TrendSeries::invertSignIfNeeded(const std::vector<DataPoint>& series) {
    std::size_t positives = 0;
    std::size_t negatives = 0;
    for (const DataPoint& point : series) {
        positives += point.value.sign() > 0 ? 1 : 0;
        negatives += point.value.sign() < 0 ? 1 : 0;
    }
    if (negatives <= positives) {
        return {series, false};
    }
    Inversion inverted{{}, true};
    inverted.series.reserve(series.size());
    for (const DataPoint& point : series) {
        // A zero stays a plain zero, never a negative one.
        Decimal value = point.value.isZero() ? Decimal() : point.value.negate_pn();
        inverted.series.push_back({point.date, value});
    }
    return inverted;
}

std::vector<Decimal> TrendSeries::values(const std::vector<DataPoint>& series) {
    std::vector<Decimal> result;
    result.reserve(series.size());
    for (const DataPoint& point : series) {
        result.push_back(point.value);
    }
    return result;
}

std::string TrendSeries::tooltipDateText(Date date, bool shouldShowDay) {
    auto formatter = DateFormatter::withPattern(tooltipDatePattern(shouldShowDay));
    return formatter.stringFromDate(date);
}
