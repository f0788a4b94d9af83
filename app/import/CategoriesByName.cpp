#include "CategoriesByName.h"

#include "base/StringHelpers.h"
#include "base/TextFolding.h"
#include "ledger/Category.h"
#include "ledger/Split.h"
#include "store/ObjectContext.h"

CategoriesByName::CategoriesByName(ObjectContext& context) : m_context(context) {
    // Visited in ascending ID, so the first of two names that fold alike stays.
    for (Category* category : Category::allInContext(context)) {
        m_byFoldedName.emplace(foldForComparison(category->name()), category);
    }
}

Category& CategoriesByName::findOrCreate(const std::string& name) {
    std::string folded = foldForComparison(name);
    if (auto found = m_byFoldedName.find(folded); found != m_byFoldedName.end()) {
        return *found->second;
    }
    Category* category = m_context.insert<Category>();
    category->setName(name);
    m_byFoldedName.emplace(std::move(folded), category);
    return *category;
}

void CategoriesByName::setCategory(const std::optional<std::string>& name, Split& split) {
    if (!name || isBlank_pn(*name)) {
        split.setCategory(nullptr);
        return;
    }
    split.setCategory(&findOrCreate(*name));
}
