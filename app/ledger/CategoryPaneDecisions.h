#pragma once

#include <string>
#include <vector>

#include "base/Alert.h"

class Category;
class CategoryGroup;
class ObjectContext;

// The commands on categories and category groups that the categories pane and the command
// line share: adding, renaming, grouping and deleting, with the alerts they answer and their
// texts. None of them saves; the caller saves after each.
class CategoryPaneDecisions final {
public:
    enum class Rename { Accept, NameTaken };
    enum class Delete { CategoryInUse, ConfirmCategory, GroupNotEmpty, GroupWithoutAsking };

    using Alert = ::Alert;

    // A new category named "New Category" or the next free "New Category N", with a limit of
    // 0 in every budget.
    static Category& addCategory(ObjectContext& context);
    // A new group; its name starts empty.
    static CategoryGroup& addGroup(ObjectContext& context);

    // Puts the category's name back to `originalName`; then refuses `newName` when it is not
    // exactly the original and any category (this one included) already matches it without
    // regard to case and diacritics; otherwise sets it.
    static Rename rename(Category& category, const std::string& originalName,
                         const std::string& newName, ObjectContext& context);
    // Accepts the group's own name as it is; refuses any other name that a category already
    // has without regard to case and diacritics, so a group never takes a category's name;
    // otherwise sets it. A refused group keeps its name.
    static Rename renameGroup(CategoryGroup& group, const std::string& newName,
                              ObjectContext& context);
    static Alert nameTakenAlert(const std::string& newName);

    // Puts every category into `group`, or takes it out of any group for nullptr.
    static void moveCategories(const std::vector<Category*>& categories, CategoryGroup* group);

    static Delete deleting(const Category& category);
    static Delete deleting(const CategoryGroup& group);
    // GroupWithoutAsking has no alert: its texts are empty.
    static Alert deleteAlert(Delete decision);
    // Deletes the category with its budget limits, or the group. REQUIRES: deleting() does not
    // refuse it (AssertionFailure otherwise), so that no front end deletes a used category or
    // a group that still holds categories.
    static void deleteCategory(Category& category, ObjectContext& context);
    static void deleteGroup(CategoryGroup& group, ObjectContext& context);
};
