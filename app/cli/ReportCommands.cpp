#include "cli/ReportCommands.h"

#include "cli/CliError.h"
#include "cli/CliLookup.h"
#include "cli/CliRows.h"
#include "cli/CliStore.h"
#include "cli/CommandInvocation.h"
#include "cli/CommandRegistry.h"
#include "ledger/Account.h"
#include "ledger/Category.h"
#include "ledger/CategoryGroup.h"
#include "ledger/Transaction.h"
#include "reports/AccountReports.h"
#include "reports/BreakdownPeriods.h"
#include "reports/BreakdownReport.h"
#include "reports/BreakdownRows.h"
#include "reports/BreakdownTotals.h"
#include "reports/ChartScale.h"
#include "reports/DateRange.h"
#include "reports/TransactionReports.h"
#include "reports/TrendFigures.h"
#include "reports/TrendSeries.h"

namespace {

using CliRows::Json;

void showRange(CommandInvocation& call) {
    CliStore store(call.global());
    const DateRange range = TransactionReports::reportDateRange(store.context());
    call.result()["from"] = range.first.toISOString();
    call.result()["to"] = range.last.toISOString();
}

struct KeyText {
    std::string name;
    std::string kind;
};

KeyText describeKey(const BreakdownKey& key) {
    const std::string name = BreakdownReport::titleForKey(key);
    if (std::holds_alternative<const Category*>(key)) {
        return {name, "category"};
    }
    if (std::holds_alternative<const CategoryGroup*>(key)) {
        return {name, "group"};
    }
    return {name, "uncategorized"};
}

std::vector<Decimal> amountsOf(const Breakdown& side) {
    std::vector<Decimal> amounts;
    for (const auto& [key, amount] : side) {
        amounts.push_back(amount);
    }
    return amounts;
}

void showBreakdown(CommandInvocation& call) {
    CliStore store(call.global());
    ObjectContext& context = store.context();
    const std::optional<Date> from = call.dateOption("--from");
    const std::optional<Date> to = call.dateOption("--to");
    if (!from || !to) {
        throw CliError::usage("report breakdown needs --from D and --to D");
    }
    if (*to < *from) {
        throw CliError::usage("--to must not be before --from");
    }
    const std::string side = call.option("--side").value_or("expense");
    if (side != "expense" && side != "income") {
        throw CliError::usage("--side expects expense or income");
    }
    const CategoryGroup* group = nullptr;
    if (std::optional<std::string> name = call.option("--group")) {
        group = &CliLookup::categoryGroup(context, *name);
    }
    // The sidebar always shows the totals of all categories, whatever group is listed.
    const BreakdownPair all = AccountReports::breakdownFromDate(*from, *to, nullptr, context);
    const BreakdownTotals totals =
        BreakdownTotals::fromAmounts(amountsOf(all.expense), amountsOf(all.income));
    const BreakdownPair shown =
        group != nullptr ? AccountReports::breakdownFromDate(*from, *to, group, context) : all;
    const Breakdown& entries = side == "expense" ? shown.expense : shown.income;
    const auto rows = BreakdownRows::make(
        std::vector<std::pair<BreakdownKey, Decimal>>(entries.begin(), entries.end()));
    Json out = Json::array();
    for (const auto& row : rows.rows) {
        const KeyText text = describeKey(row.key);
        out.push_back(
            Json{{"name", text.name}, {"kind", text.kind}, {"amount", row.amount.toString(2)}});
    }
    Json& result = call.result();
    result["from"] = from->toISOString();
    result["to"] = to->toISOString();
    result["side"] = side;
    result["group"] = group != nullptr ? Json(group->name()) : Json(nullptr);
    result["rows"] = std::move(out);
    result["total"] = rows.total.toString(2);
    result["expenseTotal"] = totals.expense.toString(2);
    result["incomeTotal"] = totals.income.toString(2);
    result["savings"] = totals.overallSavings.toString(2);
}

void showPeriods(CommandInvocation& call) {
    CliStore store(call.global());
    Json years = Json::array();
    for (const BreakdownPeriods::YearEntry& year :
         BreakdownPeriods::menuYears(TransactionReports::reportDateRange(store.context()))) {
        Json items = Json::array({BreakdownPeriods::kEntireYearTitle, "-"});
        for (const Date& monthEnd : year.monthsNewestFirst) {
            items.push_back(BreakdownPeriods::monthEntryTitle(monthEnd));
        }
        years.push_back(Json{{"title", BreakdownPeriods::yearEntryTitle(year.year)},
                             {"items", std::move(items)}});
    }
    call.result()["years"] = std::move(years);
}

void showTrends(CommandInvocation& call) {
    CliStore store(call.global());
    ObjectContext& context = store.context();
    const std::string& series = call.requiredPositional(0);
    TrendSeries::Kind kind = TrendSeries::Kind::Category;
    const Category* category = nullptr;
    if (series == "balance" || series == "income" || series == "expense") {
        const std::string title =
            std::string(1, static_cast<char>(series[0] - 'a' + 'A')) + series.substr(1);
        kind = TrendSeries::kindForTitle(title);
    } else if (series.starts_with("category:")) {
        category = &CliLookup::category(context, series.substr(9));
    } else {
        throw CliError::usage("report trends expects balance, income, expense or category:NAME");
    }
    const DateRange range = TransactionReports::reportDateRange(context);
    std::vector<TrendSeries::DataPoint> points =
        TrendFigures::series(kind, category, range, context);
    bool inverted = false;
    if (TrendSeries::shouldInvertSign(kind)) {
        TrendSeries::Inversion inversion = TrendSeries::invertSignIfNeeded(points);
        points = std::move(inversion.series);
        inverted = inversion.signsAreInverted;
    }
    const ChartScale scale = ChartScale::determineScale(TrendSeries::values(points));
    Json out = Json::array();
    for (const TrendSeries::DataPoint& point : points) {
        out.push_back(Json{{"date", point.date.toISOString()}, {"value", point.value.toString(2)}});
    }
    Json grid = Json::array();
    for (int i = 0; i < ChartScale::kNumDivisions; ++i) {
        grid.push_back(scale.gridLabelValue(i).toString());
    }
    Json& result = call.result();
    result["series"] = category != nullptr ? "category:" + category->name() : series;
    result["points"] = std::move(out);
    result["signsAreInverted"] = inverted;
    result["scaleStep"] = scale.scaleStep();
    result["scaleStart"] = scale.scaleStart();
    result["grid"] = std::move(grid);
}

}  // namespace

void registerReportCommands(CommandRegistry& registry) {
    registry.add(
        {.name = "report range", .summary = "the days the reports cover", .run = showRange});
    registry.add({.name = "report breakdown",
                  .summary = "where the money went over a period",
                  .valueOptions = {"--from", "--to", "--group", "--side"},
                  .run = showBreakdown});
    registry.add({.name = "report periods",
                  .summary = "the years and months the breakdown offers",
                  .run = showPeriods});
    registry.add({.name = "report trends",
                  .summary = "one monthly series: balance, income, expense or category:NAME",
                  .positionals = {"SERIES"},
                  .run = showTrends});
}
