#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "base/Date.h"
#include "base/Decimal.h"
#include "store/Entity.h"

class CategoryGroup;
class ScheduledItem;
class CategoryLimit;
class Split;
class TransferSetting;

// What money was spent on or came from. Names are unique ignoring case and diacritics.
class Category final : public Entity<Category> {
public:
    static const EntityDescription& entityDescription();

    const std::string& name() const { return m_name; }
    void setName(std::string name) { setValue(&Category::m_name, std::move(name)); }
    CategoryGroup* group() const { return m_group; }
    void setGroup(CategoryGroup* group);
    const ObjectSet<Split>& splits() const { return m_splits; }
    // The scheduled items that give this category to their transactions.
    const ObjectSet<ScheduledItem>& scheduledItems() const { return m_scheduledItems; }
    // Its limit in every budget; deleting the category deletes them.
    const ObjectSet<CategoryLimit>& limits() const { return m_limits; }
    // The transfer settings that remember this category.
    const ObjectSet<TransferSetting>& transferSettings() const { return m_transferSettings; }

    // Adds a limit of 0 for this category to every budget, then takes the next default name.
    void awakeFromInsert() override;

    // ---- Class operations ----

    // The first category named `name`, ignoring case and diacritics ("Cafe" finds "Café");
    // names are compared as text, so "Food*" does not find "Food".
    [[nodiscard]] static Category* findByName(const std::string& name, ObjectContext& context);
    // True when findByName finds a category.
    [[nodiscard]] static bool nameAlreadyTaken(const std::string& name, ObjectContext& context);
    // "New Category", or "New Category N" with the smallest free N from 2.
    [[nodiscard]] static std::string nextAvailableDefaultName(ObjectContext& context);
    // The home-currency sum of uncategorized splits dated in [start, end]; nothing when none.
    [[nodiscard]] static std::optional<Decimal> uncategorizedAmountFromDate(Date start, Date end,
                                                                            ObjectContext& context);

    // ---- Instance operations ----

    // The home-currency sum of this category's splits dated in [start, end]; nothing when none.
    [[nodiscard]] std::optional<Decimal> amountFromDate(Date start, Date end) const;
    // The average per day over at most the 366 days up to `end` (today when nothing), starting
    // no earlier than the store's first transaction. Exact: an amount, not a float.
    [[nodiscard]] Decimal averageAmountPerDay(std::optional<Date> end) const;
    std::size_t numberOfUses() const { return m_splits.size(); }
    // Outline protocol: a category is a leaf without children.
    bool isLeaf() const { return true; }

    // Fails with ".ErrorDomain" code 2 when another category has the same name.
    [[nodiscard]] bool validateName(std::optional<ValidationError>& error) const;

private:
    // Gives every budget a limit of 0 for this category.
    void addLimitsToEveryBudget();

    std::string m_name;
    CategoryGroup* m_group = nullptr;
    ObjectSet<Split> m_splits;
    ObjectSet<ScheduledItem> m_scheduledItems;
    ObjectSet<CategoryLimit> m_limits;
    ObjectSet<TransferSetting> m_transferSettings;
};
