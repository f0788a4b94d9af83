#include "ledger/CategoryGroup.h"

#include "ledger/Category.h"
#include "store/EntityBuilder.h"

const EntityDescription& CategoryGroup::entityDescription() {
    static const EntityDescription description =
        EntityBuilder<CategoryGroup>("CategoryGroup")
            .attribute("name", &CategoryGroup::m_name)
            .toMany("categories", &CategoryGroup::m_categories, &Category::entityDescription,
                    "group")
            .build();
    return description;
}

std::size_t CategoryGroup::numberOfUses() const {
    std::size_t uses = 0;
    for (const Category* category : m_categories) {
        uses += category->numberOfUses();
    }
    return uses;
}
