#pragma once

#include <string>
#include <string_view>
#include <vector>

class ObjectContext;

// Completes category names typed into a category field. It reads the category names once, so
// a field takes one at the start of an editing session and asks it at every keystroke.
class CategoryCompletion final {
public:
    // The names of every category of `context`.
    explicit CategoryCompletion(ObjectContext& context);
    explicit CategoryCompletion(std::vector<std::string> names);

    // The names that begin with `typed`, ignoring case, each written as `typed` followed by
    // the rest of the name, in name order (CategoryMenu::namePrecedes). None for empty text.
    [[nodiscard]] std::vector<std::string> completionsFor(std::string_view typed) const;

private:
    std::vector<std::string> m_names;
};
