#include "ledger/CategoryPaneDecisions.h"

#include "base/AssertionFailure.h"
#include "ledger/Category.h"
#include "ledger/CategoryGroup.h"
#include "store/ObjectContext.h"

Category& CategoryPaneDecisions::addCategory(ObjectContext& context) {
    return *context.insert<Category>();
}

CategoryGroup& CategoryPaneDecisions::addGroup(ObjectContext& context) {
    return *context.insert<CategoryGroup>();
}

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

CategoryPaneDecisions::Rename CategoryPaneDecisions::renameGroup(CategoryGroup& group,
                                                                 const std::string& newName,
                                                                 ObjectContext& context) {
    if (newName == group.name()) {
        return Rename::Accept;
    }
    if (Category::nameAlreadyTaken(newName, context)) {
        return Rename::NameTaken;
    }
    group.setName(newName);
    return Rename::Accept;
}

CategoryPaneDecisions::Alert CategoryPaneDecisions::nameTakenAlert(const std::string& newName) {
    return {"The name " + newName + " has already been taken. Please choose a different name",
            "",
            {"OK"}};
}

void CategoryPaneDecisions::moveCategories(const std::vector<Category*>& categories,
                                           CategoryGroup* group) {
    for (Category* category : categories) {
        if (category->group() != group) {
            category->setGroup(group);
        }
    }
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

void CategoryPaneDecisions::deleteCategory(Category& category, ObjectContext& context) {
    PN_ASSERT(deleting(category) == Delete::ConfirmCategory,
              "A category that transactions use cannot be deleted");
    context.deleteObject(category);
}

void CategoryPaneDecisions::deleteGroup(CategoryGroup& group, ObjectContext& context) {
    PN_ASSERT(deleting(group) == Delete::GroupWithoutAsking,
              "A category group that holds categories cannot be deleted");
    context.deleteObject(group);
}
