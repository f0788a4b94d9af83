#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "store/Entity.h"

class Category;

// A named set of categories, one level deep; no uniqueness rule on the name.
class CategoryGroup final : public Entity<CategoryGroup> {
public:
    static const EntityDescription& entityDescription();

    const std::string& name() const { return m_name; }
    void setName(std::string name) { setValue(&CategoryGroup::m_name, std::move(name)); }
    const ObjectSet<Category>& categories() const { return m_categories; }

    // Outline protocol: a group is not a leaf; its children are its categories.
    bool isLeaf() const { return false; }
    [[nodiscard]] std::vector<Category*> children() const { return m_categories.toVector(); }
    // The sum of its categories' numberOfUses.
    [[nodiscard]] std::size_t numberOfUses() const;

private:
    std::string m_name;
    ObjectSet<Category> m_categories;
};
