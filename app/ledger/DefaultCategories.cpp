#include "ledger/DefaultCategories.h"

#include <string>

#include "base/NotificationCenter.h"
#include "ledger/Category.h"
#include "store/ObjectContext.h"

std::optional<ValidationError> DefaultCategories::insertInto(ObjectContext& context) {
    for (const char* name : kNames) {
        context.insert<Category>()->setName(std::string(name));
    }
    NotificationCenter::defaultCenter().post(kPNCategoriesChanged);
    return context.save();
}
