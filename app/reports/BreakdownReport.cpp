#include "BreakdownReport.h"

#include "BreakdownRows.h"
#include "base/AssertionFailure.h"
#include "ledger/Account.h"
#include "ledger/Category.h"
#include "ledger/CategoryGroup.h"
#include "ledger/CurrencyFormatter.h"
#include "ledger/Transaction.h"
#include "reports/AccountReports.h"
#include "reports/TransactionReports.h"

namespace {

std::vector<Decimal> amountsOf(const Breakdown& side) {
    std::vector<Decimal> amounts;
    amounts.reserve(side.size());
    for (const auto& entry : side) {
        amounts.push_back(entry.second);
    }
    return amounts;
}

BreakdownReport::Row::Style styleForKey(const BreakdownKey& key) {
    if (std::holds_alternative<const Category*>(key)) {
        return BreakdownReport::Row::Style::Category;
    }
    if (std::holds_alternative<const CategoryGroup*>(key)) {
        return BreakdownReport::Row::Style::Group;
    }
    return BreakdownReport::Row::Style::Uncategorized;
}

void fillRows(const Breakdown& side, ObjectContext& context, BreakdownReport::Page& page) {
    if (side.empty()) {
        return;
    }
    const auto rows = BreakdownRows::make(
        std::vector<std::pair<BreakdownKey, Decimal>>(side.begin(), side.end()));
    const CurrencyFormatter formatter = CurrencyFormatter::formatterForHomeCurrency(context);
    for (const auto& row : rows.rows) {
        page.rows.push_back({styleForKey(row.key), row.key, BreakdownReport::titleForKey(row.key),
                             row.amount, formatter.stringFromDecimal(row.amount)});
    }
    page.rows.push_back({BreakdownReport::Row::Style::Total, std::nullopt,
                         BreakdownRows::kTotalTitle, rows.total,
                         formatter.stringFromDecimal(rows.total)});
    page.maxAmount = rows.maxAmount;
}

bool isLive(const BreakdownReport::Level& level) {
    return (level.group == nullptr || !level.group->isDeleted()) &&
           (level.category == nullptr || !level.category->isDeleted());
}

}  // namespace

BreakdownReport::BreakdownReport(ObjectContext& context, BreakdownPeriods::Period period)
    : m_context(context), m_period(std::move(period)) {
    resetToSide(true);
}

void BreakdownReport::setPeriod(BreakdownPeriods::Period period) {
    m_period = std::move(period);
    switchToExpense();
}

void BreakdownReport::switchToExpense() {
    resetToSide(true);
}

void BreakdownReport::switchToIncome() {
    resetToSide(false);
}

void BreakdownReport::resetToSide(bool expense) {
    m_showingExpense = expense;
    m_levels = {{Level::Kind::AllCategories, expense ? kExpenseTitle : kIncomeTitle}};
}

void BreakdownReport::clickedKey(const BreakdownKey& key) {
    const Level::Kind current = m_levels.back().kind;
    PN_ASSERT(current == Level::Kind::AllCategories || current == Level::Kind::Group,
              "Only a list of bars can be drilled into");
    const std::string title = titleForKey(key);
    if (const auto* group = std::get_if<const CategoryGroup*>(&key)) {
        m_levels.push_back({Level::Kind::Group, title, *group, nullptr});
    } else if (const auto* category = std::get_if<const Category*>(&key)) {
        m_levels.push_back({Level::Kind::Category, title, nullptr, *category});
    } else {
        m_levels.push_back({Level::Kind::Uncategorized, title, nullptr, nullptr});
    }
}

void BreakdownReport::clickedCrumb(std::size_t index) {
    PN_ASSERT(index < m_levels.size(), "No such breadcrumb");
    m_levels.resize(index + 1);
}

bool BreakdownReport::dropDeletedLevels() {
    for (std::size_t i = 1; i < m_levels.size(); ++i) {
        if (!isLive(m_levels[i])) {
            m_levels.resize(i);
            return true;
        }
    }
    return false;
}

BreakdownReport::Page BreakdownReport::page() const {
    const Date from = m_period.range.first;
    const Date to = m_period.range.last;
    const BreakdownPair all = AccountReports::breakdownFromDate(from, to, nullptr, m_context);
    Page page;
    page.totals = BreakdownTotals::fromAmounts(amountsOf(all.expense), amountsOf(all.income));
    const Level& level = m_levels.back();
    switch (level.kind) {
        case Level::Kind::AllCategories:
            fillRows(m_showingExpense ? all.expense : all.income, m_context, page);
            break;
        case Level::Kind::Group: {
            const BreakdownPair inGroup =
                AccountReports::breakdownFromDate(from, to, level.group, m_context);
            fillRows(m_showingExpense ? inGroup.expense : inGroup.income, m_context, page);
            break;
        }
        case Level::Kind::Category:
        case Level::Kind::Uncategorized:
            page.showsTransactions = true;
            page.transactions =
                TransactionReports::allWithDateRange({from, to}, level.category, m_context);
            break;
    }
    return page;
}

std::string BreakdownReport::titleForKey(const BreakdownKey& key) {
    if (const auto* category = std::get_if<const Category*>(&key)) {
        return (*category)->name();
    }
    if (const auto* group = std::get_if<const CategoryGroup*>(&key)) {
        return (*group)->name();
    }
    return kUncategorizedTitle;
}
