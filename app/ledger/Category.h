#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/Date.h"
#include "base/Decimal.h"
#include "store/Entity.h"

class CategoryGroup;
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
    // The transfer settings that remember this category.
    const ObjectSet<TransferSetting>& transferSettings() const { return m_transferSettings; }

    // Runs the insertion hook (the budgets give the category a limit of 0 in every budget),
    // then takes the next default name.
    void awakeFromInsert() override;

    // What the subsystems above the ledger do for every new category. Process-wide, like the
    // notification centre; installed when the application's entity model is built. Nothing
    // runs until one is installed (nullptr removes it).
    using InsertionHook = std::function<void(Category&)>;
    static void setInsertionHook(InsertionHook hook);

    // ---- Class operations ----

    // The first category whose name matches `name` (LIKE, ignoring case and diacritics).
    [[nodiscard]] static Category* findByName(const std::string& name, ObjectContext& context);
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
    std::string m_name;
    CategoryGroup* m_group = nullptr;
    ObjectSet<Split> m_splits;
    // The scheduled items that give this category to their transactions, and its limit in
    // every budget (deleting the category deletes them): declared here by their entities'
    // names, read from the scheduled items' and the limits' side.
    ObjectSet<ManagedObject> m_scheduledItems;
    ObjectSet<ManagedObject> m_limits;
    ObjectSet<TransferSetting> m_transferSettings;
};
