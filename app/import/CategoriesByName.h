#pragma once

#include <optional>
#include <string>
#include <unordered_map>

class Category;
class ObjectContext;
class Split;

// Finds categories by name, ignoring case and diacritics, and creates the ones a store does
// not have yet, for an import that names thousands of splits' categories: the names of the
// store's categories are folded once, not once per split.
class CategoriesByName final {
public:
    explicit CategoriesByName(ObjectContext& context);

    // The first category whose name equals `name` ignoring case and diacritics; a new one
    // named `name` when there is none. Wildcard characters in `name` are plain characters.
    Category& findOrCreate(const std::string& name);
    // A blank or absent name leaves the split without a category; any other name gives it
    // findOrCreate(name).
    void setCategory(const std::optional<std::string>& name, Split& split);

private:
    ObjectContext& m_context;
    std::unordered_map<std::string, Category*> m_byFoldedName;
};
