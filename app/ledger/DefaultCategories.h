#pragma once

#include <array>
#include <optional>

#include "base/ValidationError.h"

class ObjectContext;

// The categories a new store starts with.
class DefaultCategories final {
public:
    static constexpr std::array<const char*, 8> kNames = {
        "Household", "Groceries", "Dining", "Gas", "Clothing", "Utilities", "Income", "Transfer"};

    // Inserts the categories in order and without groups, posts PNCategoriesChanged and saves.
    // Returns the save's error, if any, for the caller to show.
    static std::optional<ValidationError> insertInto(ObjectContext& context);
};
