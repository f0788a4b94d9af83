#include "budgets/Budget.h"

#include <algorithm>

#include "base/AssertionFailure.h"
#include "budgets/BudgetCreation.h"
#include "budgets/CategoryLimit.h"
#include "budgets/TrackResultBuilder.h"
#include "ledger/Category.h"
#include "ledger/CategoryGroup.h"
#include "ledger/LedgerSums.h"
#include "ledger/Transaction.h"
#include "store/EntityBuilder.h"

const EntityDescription& Budget::entityDescription() {
    static const EntityDescription description =
        EntityBuilder<Budget>("Budget")
            .attribute("name", &Budget::m_name)
            .attribute("startDate", &Budget::m_startDate)
            .attribute("months", &Budget::m_months)
            .attribute("showIdealPace", &Budget::m_showIdealPace)
            .attribute("didShowEndNotice", &Budget::m_didShowEndNotice)
            .toMany("categoryLimits", &Budget::m_categoryLimits, &CategoryLimit::entityDescription,
                    "budget", DeleteRule::Cascade)
            .build();
    return description;
}

void Budget::addCategoryLimitsObject(CategoryLimit* limit) {
    addToMany(&Budget::m_categoryLimits, limit);
}

void Budget::applySettings(std::string name, Date startDate) {
    setName(std::move(name));
    if (startDate != m_startDate) {
        setStartDate(startDate);
        setDidShowEndNotice(false);
    }
}

BudgetPeriod Budget::period() const {
    PN_ASSERT(m_months >= 1 && m_months <= 100000, "A budget needs a sensible number of months");
    return BudgetPeriod(m_startDate, static_cast<int>(m_months));
}

Date Budget::dayOrToday(std::optional<Date> date) {
    return date.value_or(Date::today_PN());
}

bool Budget::hasStarted(std::optional<Date> date) const {
    return period().hasStarted(dayOrToday(date));
}

bool Budget::hasEnded(std::optional<Date> date) const {
    return period().hasEnded(dayOrToday(date));
}

int Budget::daysLeft(std::optional<Date> date) const {
    return period().daysLeft(dayOrToday(date));
}

int Budget::monthsLeft(std::optional<Date> date) const {
    return period().monthsLeft(dayOrToday(date));
}

float Budget::todayPercentage() const {
    return period().todayPercentage(Date::today_PN());
}

Decimal Budget::expenseLimitTotal() const {
    Decimal total;
    for (const CategoryLimit* limit : m_categoryLimits) {
        if (limit->isExpense()) {
            total += limit->amount();
        }
    }
    return total;
}

Decimal Budget::incomeLimitTotal() const {
    Decimal total;
    for (const CategoryLimit* limit : m_categoryLimits) {
        if (!limit->isExpense()) {
            total += limit->amount();
        }
    }
    return total;
}

CategoryLimit* Budget::limitForCategory(const Category& category) const {
    CategoryLimit* found = nullptr;
    for (CategoryLimit* limit : m_categoryLimits) {
        if (limit->category() == &category) {
            PN_ASSERT(found == nullptr, "Should not have more than one category.");
            found = limit;
        }
    }
    return found;
}

void Budget::estimate(std::optional<Date> date) {
    ObjectContext& context = *managedObjectContext();
    for (CategoryLimit* limit : m_categoryLimits.toVector()) {
        context.deleteObject(*limit);
    }
    for (Category* category : Category::allInContext(context)) {
        auto* limit = context.insert<CategoryLimit>();
        limit->setCategory(category);
        addCategoryLimitsObject(limit);
        limit->estimate(date);
    }
}

TrackResult Budget::track(std::string_view kind) const {
    PN_ASSERT(kind == "expense" || kind == "income", "Unexpected tracking kind");
    ObjectContext& context = *managedObjectContext();
    PN_ASSERT(m_categoryLimits.size() == Category::countInContext(context),
              "The budget's limits do not match the categories");
    const bool expenseSide = kind == "expense";
    const BudgetPeriod budgetPeriod = period();
    TrackResultBuilder builder;
    for (CategoryLimit* limit : m_categoryLimits) {
        if (limit->isExpense() != expenseSide) {
            continue;
        }
        const Category& category = *limit->category();
        TrackRow row = TrackRow::named(category.name(), TrackRow::Type::Category);
        row.categoryLimit = limit;
        row.limit = limit->amount();
        row.actual = limit->actualAmount();
        const CategoryGroup* group = category.group();
        builder.addCategoryRow(std::move(row), group, group ? group->name() : std::string());
    }
    if (expenseSide) {
        if (auto uncategorized = LedgerSums::uncategorizedAmountFromDate(
                budgetPeriod.startDate(), budgetPeriod.endDate(), context)) {
            builder.addUncategorizedRow(*uncategorized);
        }
    }
    return builder.finish();
}

Budget* Budget::generateBudget(ObjectContext& context, std::string name, Date startDate,
                               std::int64_t months) {
    PN_ASSERT(months >= 1 && months <= BudgetCreation::kMaxMonths,
              "A new budget needs 1 to 1200 months");
    auto* budget = context.insert<Budget>();
    budget->setName(std::move(name));
    budget->setStartDate(startDate);
    budget->setMonths(months);
    budget->estimate();
    return budget;
}

bool Budget::hasEnoughDataForBudget(ObjectContext& context) {
    const auto count = static_cast<long long>(Transaction::countInContext(context));
    if (count < 2) {
        return BudgetCreation::hasEnoughDataForBudget(count, Date(), Date());
    }
    return BudgetCreation::hasEnoughDataForBudget(count,
                                                  *LedgerSums::earliestTransactionDate(context),
                                                  *LedgerSums::latestTransactionDate(context));
}

void Budget::addLimitsForCategory(Category& category, ObjectContext& context) {
    for (Budget* budget : allInContext(context)) {
        auto* limit = context.insert<CategoryLimit>();
        limit->setCategory(&category);
        budget->addCategoryLimitsObject(limit);
    }
}
