#pragma once

#include <string>

#include "base/Alert.h"

class Category;
class CategoryGroup;
class ObjectContext;

// Which alert the categories pane shows when a category is renamed or a row is deleted, and
// its texts, apart from the widgets.
class CategoryPaneDecisions final {
public:
    enum class Rename { Accept, NameTaken };
    enum class Delete { CategoryInUse, ConfirmCategory, GroupNotEmpty, GroupWithoutAsking };

    using Alert = ::Alert;

    // Puts the category's name back to `originalName`; then refuses `newName` when it is not
    // exactly the original and any category (this one included) already matches it without
    // regard to case and diacritics; otherwise sets it. The pane saves after Accept.
    static Rename rename(Category& category, const std::string& originalName,
                         const std::string& newName, ObjectContext& context);
    static Alert nameTakenAlert(const std::string& newName);

    static Delete deleting(const Category& category);
    static Delete deleting(const CategoryGroup& group);
    // GroupWithoutAsking has no alert: its texts are empty.
    static Alert deleteAlert(Delete decision);
};
