#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "ChartScale.h"
#include "ReportGeometry.h"
#include "TrendSeries.h"

class Category;
class CurrencyFormatter;
class ObjectContext;

// Everything the trends view draws for one series, computed once per chart: the points as
// drawn (every value negated when most are negative), the value scale, where each point lies
// and the texts of the value labels, the month labels and the tooltips. The view only places
// and paints these; it does no sums and no scale maths of its own.
class TrendChart final {
public:
    // The chart of `series`. `shouldInvertSign` allows flipping a mostly-negative series;
    // `shouldShowDay` makes the tooltips name the day. Labels use `wholeFormatter` (no fraction
    // digits), tooltips `amountFormatter`.
    [[nodiscard]] static TrendChart make(const std::vector<TrendSeries::DataPoint>& series,
                                         bool shouldShowDay, bool shouldInvertSign,
                                         const CurrencyFormatter& wholeFormatter,
                                         const CurrencyFormatter& amountFormatter);
    // The chart of one menu entry over the report range of the store, in its home currency:
    // `category` for a category entry, else the series of `kind`.
    [[nodiscard]] static TrendChart forSeries(TrendSeries::Kind kind, const Category* category,
                                              ObjectContext& context);

    // The series as drawn, oldest first; never empty for a chart of the store.
    const std::vector<TrendSeries::DataPoint>& data() const { return m_data; }
    std::size_t pointCount() const { return m_data.size(); }
    bool signsAreInverted() const { return m_signsAreInverted; }
    bool shouldShowDay() const { return m_shouldShowDay; }
    const ChartScale& scale() const { return m_scale; }

    // The scrolled content's width and point i in it, y growing upward from its bottom.
    [[nodiscard]] double contentWidth() const;
    [[nodiscard]] ReportPoint pointForIndex(std::size_t index, double contentHeight) const;

    // The six value labels, bottom first, and the label that sets the margin's width.
    const std::vector<std::string>& valueLabels() const { return m_valueLabels; }
    const std::string& marginLabel() const { return m_marginLabel; }

    // Under point i: its month ("MMM") and, for a January, its year ("yyyy").
    const std::string& monthLabel(std::size_t index) const { return m_monthLabels.at(index); }
    const std::optional<std::string>& yearLabel(std::size_t index) const {
        return m_yearLabels.at(index);
    }

    // The tooltip of point i: its month ("MMMM, yyyy") or day ("MMM dd, yyyy"), and its amount.
    const std::string& tooltipDate(std::size_t index) const { return m_tooltipDates.at(index); }
    const std::string& tooltipAmount(std::size_t index) const { return m_tooltipAmounts.at(index); }

private:
    explicit TrendChart(const ChartScale& scale) : m_scale(scale) {}

    std::vector<TrendSeries::DataPoint> m_data;
    bool m_signsAreInverted = false;
    bool m_shouldShowDay = false;
    ChartScale m_scale;
    std::vector<std::string> m_valueLabels;
    std::string m_marginLabel;
    std::vector<std::string> m_monthLabels;
    std::vector<std::optional<std::string>> m_yearLabels;
    std::vector<std::string> m_tooltipDates;
    std::vector<std::string> m_tooltipAmounts;
};
