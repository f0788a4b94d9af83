#include "ledger/CategoryEntry.h"

#include "base/NotificationCenter.h"
#include "base/StringHelpers.h"
#include "ledger/Category.h"
#include "store/ObjectContext.h"

CategoryEntry::Outcome CategoryEntry::resolve(std::string_view text, ObjectContext& context) {
    if (isBlank_pn(text)) {
        return {};
    }
    const auto first = text.find_first_not_of(" \t\r\n");
    const auto last = text.find_last_not_of(" \t\r\n");
    std::string name(text.substr(first, last - first + 1));
    if (Category* category = Category::findByName(name, context)) {
        return {Outcome::Kind::Existing, category, std::move(name)};
    }
    return {Outcome::Kind::Missing, nullptr, std::move(name)};
}

AlertQuestion CategoryEntry::createQuestion(const std::string& name) {
    return {"The category \"" + name + "\" does not exist, do you want to create it?",
            "You can manage all of your categories in the application preferences panel.",
            {"Create", "Cancel"}};
}

Category* CategoryEntry::createCategory(const std::string& name, ObjectContext& context) {
    auto* category = context.insert<Category>();
    category->setName(name);
    NotificationCenter::defaultCenter().post(kPNCategoriesChanged);
    return category;
}
