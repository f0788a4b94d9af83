#include "ledger/CategoryPaneDecisions.h"

#include "ledger/Category.h"
#include "ledger/CategoryGroup.h"

CategoryPaneDecisions::Rename CategoryPaneDecisions::rename(Category& category,
                                                            const std::string& originalName,
                                                            const std::string& newName,
                                                            ObjectContext& context) {
    category.setName(originalName);
    if (newName != originalName && Category::nameAlreadyTaken(newName, context)) {
        return Rename::NameTaken;
    }
    category.setName(newName);
    return Rename::Accept;
}

CategoryPaneDecisions::Alert CategoryPaneDecisions::nameTakenAlert(const std::string& newName) {
    return {"The name " + newName + " has already been taken. Please choose a different name",
            "",
            {"OK"}};
}

CategoryPaneDecisions::Delete CategoryPaneDecisions::deleting(const Category& category) {
    return category.numberOfUses() > 0 ? Delete::CategoryInUse : Delete::ConfirmCategory;
}

CategoryPaneDecisions::Delete CategoryPaneDecisions::deleting(const CategoryGroup& group) {
    return group.categories().empty() ? Delete::GroupWithoutAsking : Delete::GroupNotEmpty;
}

CategoryPaneDecisions::Alert CategoryPaneDecisions::deleteAlert(Delete decision) {
    switch (decision) {
        case Delete::CategoryInUse:
            return {"Cannot delete this category because it is still used by some transactions.",
                    "To delete this category, update all transactions using this category to use "
                    "another category.",
                    {"OK"}};
        case Delete::ConfirmCategory:
            return {"Are you sure you want to delete this category?",
                    "Deleting this category will also remove it from your existing budgets.",
                    {"Delete this Category", "Cancel"}};
        case Delete::GroupNotEmpty:
            return {"Cannot delete this group because it still contains categories.",
                    "To delete this group, first move all categories out of the group.",
                    {"OK"}};
        case Delete::GroupWithoutAsking:
            break;
    }
    return {};
}
