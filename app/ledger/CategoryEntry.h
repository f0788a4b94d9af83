#pragma once

#include <string>
#include <string_view>

#include "ledger/AlertQuestion.h"

class Category;
class ObjectContext;

// What a category field does with its text when the user has edited it and editing ends.
class CategoryEntry final {
public:
    CategoryEntry() = delete;

    struct Outcome {
        enum class Kind {
            NoCategory,  // blank text: the field holds no category
            Existing,    // `category` has that name
            Missing      // no category has that name: ask createQuestion(name)
        };
        Kind kind = Kind::NoCategory;
        Category* category = nullptr;  // for Existing
        std::string name;              // the typed name without outer white space

        bool operator==(const Outcome&) const = default;
    };

    // Looks the trimmed text up by name, ignoring case and diacritics (Category::findByName).
    [[nodiscard]] static Outcome resolve(std::string_view text, ObjectContext& context);
    // Whether to create the missing category `name`: "Create" (default) or "Cancel". Cancel
    // puts the field's previous category back.
    [[nodiscard]] static AlertQuestion createQuestion(const std::string& name);
    // Inserts a category named `name` and posts PNCategoriesChanged. Saves nothing.
    static Category* createCategory(const std::string& name, ObjectContext& context);
};
