#include "TrendChart.h"

#include "LineChartGeometry.h"
#include "TrendFigures.h"
#include "base/DateFormatter.h"
#include "ledger/CurrencyFormatter.h"
#include "ledger/Transaction.h"
#include "reports/TransactionReports.h"

TrendChart TrendChart::make(const std::vector<TrendSeries::DataPoint>& series, bool shouldShowDay,
                            bool shouldInvertSign, const CurrencyFormatter& wholeFormatter,
                            const CurrencyFormatter& amountFormatter) {
    TrendSeries::Inversion drawn{series, false};
    if (shouldInvertSign) {
        drawn = TrendSeries::invertSignIfNeeded(series);
    }
    TrendChart chart(ChartScale::determineScale(TrendSeries::values(drawn.series)));
    chart.m_data = std::move(drawn.series);
    chart.m_signsAreInverted = drawn.signsAreInverted;
    chart.m_shouldShowDay = shouldShowDay;
    for (int i = 0; i < ChartScale::kNumDivisions; ++i) {
        chart.m_valueLabels.push_back(
            wholeFormatter.stringFromDecimal(chart.m_scale.gridLabelValue(i)));
    }
    chart.m_marginLabel = wholeFormatter.stringFromDecimal(chart.m_scale.marginLabelValue());

    // One formatter of each kind for the whole chart: making ICU formatters is not cheap.
    const DateFormatter month = DateFormatter::withPattern("MMM");
    const DateFormatter year = DateFormatter::withPattern("yyyy");
    const DateFormatter tooltip =
        DateFormatter::withPattern(TrendSeries::tooltipDatePattern(shouldShowDay));
    for (const TrendSeries::DataPoint& point : chart.m_data) {
        chart.m_monthLabels.push_back(month.stringFromDate(point.date));
        chart.m_yearLabels.push_back(LineChartGeometry::showsYear(point.date)
                                         ? std::optional(year.stringFromDate(point.date))
                                         : std::nullopt);
        chart.m_tooltipDates.push_back(tooltip.stringFromDate(point.date));
        chart.m_tooltipAmounts.push_back(amountFormatter.stringFromDecimal(point.value));
    }
    return chart;
}

TrendChart TrendChart::forSeries(TrendSeries::Kind kind, const Category* category,
                                 ObjectContext& context) {
    if (category != nullptr) {
        kind = TrendSeries::Kind::Category;
    }
    const DateRange range = TransactionReports::reportDateRange(context);
    return make(TrendFigures::series(kind, category, range, context),
                TrendSeries::shouldShowDay(kind), TrendSeries::shouldInvertSign(kind),
                CurrencyFormatter::wholeAmountFormatterForHomeCurrency(context),
                CurrencyFormatter::formatterForHomeCurrency(context));
}

double TrendChart::contentWidth() const {
    return LineChartGeometry::width(m_data.size());
}

ReportPoint TrendChart::pointForIndex(std::size_t index, double contentHeight) const {
    return LineChartGeometry::pointForIndex(index, m_data.at(index).value, m_scale, contentHeight);
}
