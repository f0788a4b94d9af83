#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "BudgetPeriod.h"
#include "TrackResult.h"
#include "base/Date.h"
#include "base/Decimal.h"
#include "store/Entity.h"

class Category;
class CategoryLimit;

// A named period of whole months from a start day, with one limit for every category of the
// store. Deleting a budget deletes its limits. A missing date argument means today.
class Budget final : public Entity<Budget> {
public:
    static const EntityDescription& entityDescription();

    const std::string& name() const { return m_name; }
    void setName(std::string name) { setValue(&Budget::m_name, std::move(name)); }
    Date startDate() const { return m_startDate; }
    void setStartDate(Date date) { setValue(&Budget::m_startDate, date); }
    std::int64_t months() const { return m_months; }
    void setMonths(std::int64_t months) { setValue(&Budget::m_months, months); }
    bool showIdealPace() const { return m_showIdealPace; }
    void setShowIdealPace(bool show) { setValue(&Budget::m_showIdealPace, show); }
    bool didShowEndNotice() const { return m_didShowEndNotice; }
    void setDidShowEndNotice(bool shown) { setValue(&Budget::m_didShowEndNotice, shown); }
    const ObjectSet<CategoryLimit>& categoryLimits() const { return m_categoryLimits; }
    void addCategoryLimitsObject(CategoryLimit* limit);

    // What saving the budget settings sheet does: the name, and a start date that differs
    // from the current one re-arms the end notice for the new period. Limits stay as they are.
    void applySettings(std::string name, Date startDate);

    // ---- Period ----

    // REQUIRES: months >= 1 (AssertionFailure otherwise).
    [[nodiscard]] BudgetPeriod period() const;
    [[nodiscard]] Date endDate() const { return period().endDate(); }
    [[nodiscard]] int days() const { return period().days(); }
    [[nodiscard]] bool hasStarted(std::optional<Date> date = std::nullopt) const;
    [[nodiscard]] bool hasEnded(std::optional<Date> date = std::nullopt) const;
    [[nodiscard]] int daysLeft(std::optional<Date> date = std::nullopt) const;
    [[nodiscard]] int monthsLeft(std::optional<Date> date = std::nullopt) const;
    [[nodiscard]] float todayPercentage() const;

    // ---- Limits ----

    // The sum of the limits <= 0, and of the limits > 0.
    [[nodiscard]] Decimal expenseLimitTotal() const;
    [[nodiscard]] Decimal incomeLimitTotal() const;
    // The limit of `category`, or nullptr. Two or more are an AssertionFailure.
    [[nodiscard]] CategoryLimit* limitForCategory(const Category& category) const;
    // Deletes every limit and inserts a freshly estimated one for every category.
    void estimate(std::optional<Date> date = std::nullopt);

    // ---- Tracking ----

    // One side's rows of limit against actual: kind "expense" or "income" (AssertionFailure
    // otherwise, and when the limits do not match the store's categories one to one).
    [[nodiscard]] TrackResult track(std::string_view kind) const;
    [[nodiscard]] TrackResult trackExpense() const { return track("expense"); }
    [[nodiscard]] TrackResult trackIncome() const { return track("income"); }
    // Fills the sums of the group rows and of the total.
    static void summarizeTrackResult(TrackResult& result) { result.summarizeTrackResult(); }

    // ---- Class operations ----

    // A new budget named `name` of `months` months from `startDate`, its limits estimated from
    // the history up to today. REQUIRES: 1 <= months <= BudgetCreation::kMaxMonths
    // (AssertionFailure otherwise).
    static Budget* generateBudget(ObjectContext& context, std::string name, Date startDate,
                                  std::int64_t months);
    // Whether the store holds enough history (more than 21 days) to estimate a budget from.
    [[nodiscard]] static bool hasEnoughDataForBudget(ObjectContext& context);
    // Gives every budget of the store a limit of 0 for `category` (a category just inserted).
    static void addLimitsForCategory(Category& category, ObjectContext& context);

private:
    [[nodiscard]] static Date dayOrToday(std::optional<Date> date);

    std::string m_name;
    Date m_startDate;
    std::int64_t m_months = 0;
    bool m_showIdealPace = false;
    bool m_didShowEndNotice = false;
    ObjectSet<CategoryLimit> m_categoryLimits;
};
