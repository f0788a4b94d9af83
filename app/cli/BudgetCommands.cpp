#include "cli/BudgetCommands.h"

#include "base/TextFolding.h"
#include "budgets/Budget.h"
#include "budgets/BudgetCreation.h"
#include "budgets/BudgetListCommands.h"
#include "budgets/BudgetSummary.h"
#include "budgets/BudgetViewFigures.h"
#include "budgets/CategoryLimit.h"
#include "budgets/LimitSheetFields.h"
#include "budgets/SummaryFigures.h"
#include "budgets/TrackResult.h"
#include "cli/CliError.h"
#include "cli/CliLookup.h"
#include "cli/CliRows.h"
#include "cli/CliStore.h"
#include "cli/CommandInvocation.h"
#include "cli/CommandRegistry.h"
#include "ledger/Category.h"

namespace {

using CliRows::Json;

std::string amountText(const Decimal& amount) {
    return amount.toString(2);
}

void refuseTakenName(ObjectContext& context, const std::string& name, const Budget* except) {
    const std::string folded = foldForComparison(name);
    if (Budget::findFirstByPredicate(
            [&](const Budget& b) { return &b != except && foldForComparison(b.name()) == folded; },
            context) != nullptr) {
        throw CliError::failed("A budget named \"" + name + "\" exists already.");
    }
}

void createBudget(CommandInvocation& call) {
    CliStore store(call.global());
    ObjectContext& context = store.context();
    const std::string& name = call.requiredPositional(0);
    refuseTakenName(context, name, nullptr);
    const std::optional<std::int64_t> months = call.integerOption("--months");
    if (months && (*months < 1 || *months > BudgetCreation::kMaxMonths)) {
        throw CliError::usage("--months expects a number from 1 to " +
                              std::to_string(BudgetCreation::kMaxMonths));
    }
    if (!Budget::hasEnoughDataForBudget(context) && !call.flag("--force")) {
        throw CliError::failed(std::string(BudgetCreation::kNotEnoughDataTitle) + "\n" +
                               BudgetCreation::kNotEnoughDataText +
                               "\nGive --force to create it anyway.");
    }
    Budget* budget =
        Budget::generateBudget(context, name, call.dateOption("--start").value_or(Date::today_PN()),
                               months.value_or(BudgetCreation::kDefaultMonths));
    store.save();
    call.result()["name"] = budget->name();
    call.result()["startDate"] = budget->startDate().toISOString();
    call.result()["endDate"] = budget->endDate().toISOString();
}

Json trackRowJson(const TrackRow& row) {
    Json out{{"name", row.name},
             {"type", std::string(TrackRow::typeName(row.type))},
             {"limit", amountText(row.limit.absolute_pn())},
             {"actual", amountText(row.actual)}};
    if (row.isGroup()) {
        Json categories = Json::array();
        for (const TrackRow& category : row.categories) {
            categories.push_back(trackRowJson(category));
        }
        out["categories"] = std::move(categories);
    } else {
        out["categories"] = nullptr;
    }
    return out;
}

// A side's rows as the outline shows them: largest absolute limit first, the total apart.
TrackResult trackedSide(const Budget& budget, const std::string& side) {
    TrackResult result = budget.track(side);
    Budget::summarizeTrackResult(result);
    result.sortByAbsoluteLimit(false);
    return result;
}

void showBudget(CommandInvocation& call) {
    CliStore store(call.global());
    const Budget& budget = CliLookup::budget(store.context(), call.requiredPositional(0));
    const std::string side = call.option("--side").value_or("expense");
    if (side != "expense" && side != "income") {
        throw CliError::usage("--side expects expense or income");
    }
    const Date today = Date::today_PN();
    const TrackResult expense = trackedSide(budget, "expense");
    const TrackResult income = trackedSide(budget, "income");
    const TrackResult& shown = side == "expense" ? expense : income;
    const BudgetViewFigures::Sidebar sidebar =
        BudgetViewFigures::sidebar(expense.total.limit, income.total.limit);
    Json& out = call.result();
    out["name"] = budget.name();
    out["startDate"] = budget.startDate().toISOString();
    out["endDate"] = budget.endDate().toISOString();
    out["days"] = budget.days();
    out["daysLeft"] = budget.daysLeft();
    out["monthsLeft"] = budget.monthsLeft();
    out["todayPercentage"] = CliRows::shortNumber(budget.todayPercentage());
    out["hasStarted"] = budget.hasStarted();
    out["hasEnded"] = budget.hasEnded();
    out["timeRemaining"] = BudgetViewFigures::timeRemainingMessage(budget.period(), today).text;
    out["side"] = side;
    out["actualHeader"] =
        BudgetViewFigures::actualColumnHeader(side == "expense", budget.hasEnded());
    out["sidebar"] = Json{{"expense", amountText(sidebar.expense.absolute_pn())},
                          {"income", amountText(sidebar.income)},
                          {"summaryTitle", sidebar.summaryTitle},
                          {"summary", amountText(sidebar.savings)}};
    Json rows = Json::array();
    for (const TrackRow& row : shown.progress) {
        rows.push_back(trackRowJson(row));
    }
    out["rows"] = std::move(rows);
    out["total"] = Json{{"limit", amountText(shown.total.limit.absolute_pn())},
                        {"actual", amountText(shown.total.actual)}};
}

void setLimit(CommandInvocation& call) {
    CliStore store(call.global());
    ObjectContext& context = store.context();
    const Budget& budget = CliLookup::budget(context, call.requiredPositional(0));
    const Category& category = CliLookup::category(context, call.requiredPositional(1));
    const Decimal amount = CommandInvocation::parseDecimal("AMOUNT", call.requiredPositional(2));
    if (amount.sign() < 0) {
        throw CliError::usage("AMOUNT is never negative: give --income for an income goal");
    }
    CategoryLimit* limit = budget.limitForCategory(category);
    if (limit == nullptr) {
        throw CliError::failed("The budget has no limit for \"" + category.name() + "\".");
    }
    const LimitSheetFields fields{.incomeSelected = call.flag("--income"),
                                  .monthlySelected = call.flag("--monthly"),
                                  .fieldValue = amount};
    const LimitSheetFields::Saved saved = limit->saveSheetFields(fields);
    if (std::optional<std::string> notes = call.option("--notes")) {
        limit->setNotes(notes->empty() ? std::nullopt : notes);
    }
    store.save();
    call.result()["category"] = category.name();
    call.result()["limit"] = amountText(limit->amount());
    call.result()["showMonthlyAmount"] = limit->showMonthlyAmount();
    call.result()["movedSide"] = saved.moved;
}

void editBudget(CommandInvocation& call) {
    CliStore store(call.global());
    ObjectContext& context = store.context();
    Budget& budget = CliLookup::budget(context, call.requiredPositional(0));
    const std::string name = call.option("--name").value_or(budget.name());
    refuseTakenName(context, name, &budget);
    budget.applySettings(name, call.dateOption("--start").value_or(budget.startDate()));
    store.save();
    call.result()["name"] = budget.name();
    call.result()["startDate"] = budget.startDate().toISOString();
    call.result()["endDate"] = budget.endDate().toISOString();
}

Json boxJson(const SummaryFigures::Box& box) {
    const std::vector<SummaryFigures::Row> rows = box.rows();
    return Json{{"title", box.title},
                {"expense", amountText(box.expense.absolute_pn())},
                {"income", amountText(box.income)},
                {"sumLabel", rows.size() > 2 ? rows[2].label : ""},
                {"sum", amountText(box.sum)},
                {"balanceLabel", box.balanceLabel},
                {"balance", amountText(box.balance)}};
}

void summarizeBudget(CommandInvocation& call) {
    CliStore store(call.global());
    const Budget& budget = CliLookup::budget(store.context(), call.requiredPositional(0));
    const SummaryFigures::Inputs inputs = BudgetSummary::inputs(
        budget, trackedSide(budget, "expense"), trackedSide(budget, "income"));
    call.result()["estimated"] = boxJson(SummaryFigures::estimatedBox(inputs));
    call.result()["actual"] = boxJson(SummaryFigures::actualBox(inputs));
}

void deleteBudget(CommandInvocation& call) {
    CliStore store(call.global());
    Budget& budget = CliLookup::budget(store.context(), call.requiredPositional(0));
    call.result()["deleted"] = budget.name();
    BudgetListCommands::performDelete(budget, store.context());
    store.save();
}

}  // namespace

void registerBudgetCommands(CommandRegistry& registry) {
    registry.add({.name = "budget create",
                  .summary = "a new budget estimated from the history",
                  .positionals = {"NAME"},
                  .valueOptions = {"--start", "--months"},
                  .flags = {"--force"},
                  .run = createBudget});
    registry.add({.name = "budget show",
                  .summary = "a budget's period, sidebar and tracking rows",
                  .positionals = {"NAME"},
                  .valueOptions = {"--side"},
                  .run = showBudget});
    registry.add({.name = "budget set-limit",
                  .summary = "a category's limit for the whole period (or per month)",
                  .positionals = {"NAME", "CATEGORY", "AMOUNT"},
                  .valueOptions = {"--notes"},
                  .flags = {"--income", "--monthly"},
                  .run = setLimit});
    registry.add({.name = "budget edit",
                  .summary = "rename a budget or move its start",
                  .positionals = {"NAME"},
                  .valueOptions = {"--name", "--start"},
                  .run = editBudget});
    registry.add({.name = "budget summary",
                  .summary = "the estimated and actual figures of a budget",
                  .positionals = {"NAME"},
                  .run = summarizeBudget});
    registry.add({.name = "budget delete",
                  .summary = "delete a budget and its limits",
                  .positionals = {"NAME"},
                  .run = deleteBudget});
}
