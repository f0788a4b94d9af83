#include "ledger/Category.h"

#include "base/StringHelpers.h"
#include "base/TextFolding.h"
#include "ledger/CategoryGroup.h"
#include "ledger/Split.h"
#include "ledger/TransferSetting.h"
#include "store/EntityBuilder.h"

const EntityDescription& Category::entityDescription() {
    static const EntityDescription description =
        EntityBuilder<Category>("Category")
            .attribute("name", &Category::m_name)
            .validator(&Category::validateName)
            .toOne("group", &Category::m_group, &CategoryGroup::entityDescription, "categories")
            .toMany("splits", &Category::m_splits, &Split::entityDescription, "category")
            .toMany("scheduledItems", &Category::m_scheduledItems, "ScheduledItem", "category")
            .toMany("limits", &Category::m_limits, "CategoryLimit", "category", DeleteRule::Cascade)
            .toMany("transferSettings", &Category::m_transferSettings,
                    &TransferSetting::entityDescription, "category")
            .build();
    return description;
}

void Category::setGroup(CategoryGroup* group) {
    setToOne(&Category::m_group, group);
}

namespace {

Category::InsertionHook& insertionHook() {
    static Category::InsertionHook hook;
    return hook;
}

}  // namespace

void Category::setInsertionHook(InsertionHook hook) {
    insertionHook() = std::move(hook);
}

void Category::awakeFromInsert() {
    if (insertionHook()) {
        insertionHook()(*this);
    }
    setName(nextAvailableDefaultName(*managedObjectContext()));
}

Category* Category::findByName(const std::string& name, ObjectContext& context) {
    return findFirstByPredicate([&](const Category& c) { return likeCD(c.name(), name); }, context);
}

bool Category::nameAlreadyTaken(const std::string& name, ObjectContext& context) {
    return findByName(name, context) != nullptr;
}

std::string Category::nextAvailableDefaultName(ObjectContext& context) {
    return firstFreeName("New Category", [&context](const std::string& name) {
        return nameAlreadyTaken(name, context);
    });
}

bool Category::validateName(std::optional<ValidationError>& error) const {
    const std::size_t matches = countWithPredicate(
        [&](const Category& c) { return likeCD(c.name(), m_name); }, *managedObjectContext());
    if (matches <= 1) {
        return true;
    }
    return failValidation(
        error, ValidationError{
                   ValidationError::domainWithSuffix(".ErrorDomain"),
                   2,
                   "The name " + m_name + " has already been taken. Please choose a different name",
                   {},
                   {}});
}
