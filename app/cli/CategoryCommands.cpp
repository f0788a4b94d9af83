#include "cli/CategoryCommands.h"

#include <algorithm>

#include "base/TextFolding.h"
#include "cli/CliError.h"
#include "cli/CliLookup.h"
#include "cli/CliRows.h"
#include "cli/CliStore.h"
#include "cli/CommandInvocation.h"
#include "cli/CommandRegistry.h"
#include "ledger/Category.h"
#include "ledger/CategoryGroup.h"
#include "ledger/CategoryOutline.h"
#include "ledger/CategoryPaneDecisions.h"
#include "ledger/CurrenciesFile.h"
#include "ledger/Currency.h"
#include "ledger/HomeCurrencyChoice.h"

namespace {

using CliRows::Json;

void listCategories(CommandInvocation& call) {
    CliStore store(call.global());
    std::vector<Category*> categories = Category::allInContext(store.context());
    CategoryOutline::sortByName(categories);
    Json rows = Json::array();
    for (const Category* category : categories) {
        rows.push_back(Json{
            {"name", category->name()},
            {"group",
             category->group() != nullptr ? Json(category->group()->name()) : Json(nullptr)},
            {"numberOfUses", category->numberOfUses()},
        });
    }
    std::vector<CategoryGroup*> groups = CategoryGroup::allInContext(store.context());
    CategoryOutline::sortByName(groups);
    Json groupRows = Json::array();
    for (const CategoryGroup* group : groups) {
        Json names = Json::array();
        for (const Category* member : CategoryOutline::children(*group)) {
            names.push_back(member->name());
        }
        groupRows.push_back(Json{{"name", group->name()}, {"categories", std::move(names)}});
    }
    call.result()["categories"] = std::move(rows);
    call.result()["groups"] = std::move(groupRows);
}

void refuseTakenName(const std::string& name, ObjectContext& context) {
    if (Category::nameAlreadyTaken(name, context)) {
        const CategoryPaneDecisions::Alert alert = CategoryPaneDecisions::nameTakenAlert(name);
        throw CliError::failed(alert.message);
    }
}

void addCategory(CommandInvocation& call) {
    CliStore store(call.global());
    ObjectContext& context = store.context();
    const std::string name = call.requiredPositional(0);
    refuseTakenName(name, context);
    CategoryGroup* group = nullptr;
    if (std::optional<std::string> groupName = call.option("--group")) {
        group = &CliLookup::categoryGroup(context, *groupName);
    }
    Category& category = CategoryPaneDecisions::addCategory(context);
    category.setName(name);
    CategoryPaneDecisions::moveCategories({&category}, group);
    store.save();
    call.result()["name"] = category.name();
    call.result()["group"] = group != nullptr ? Json(group->name()) : Json(nullptr);
}

void addCategoryGroup(CommandInvocation& call) {
    CliStore store(call.global());
    const std::string name = call.requiredPositional(0);
    refuseTakenName(name, store.context());
    CategoryGroup& group = CategoryPaneDecisions::addGroup(store.context());
    group.setName(name);
    store.save();
    call.result()["name"] = group.name();
}

// A category of that name, else a group of it: the pane's rows hold both.
Category* categoryOrNothing(ObjectContext& context, const std::string& name) {
    const std::string folded = foldForComparison(name);
    const bool found = Category::findFirstByPredicate(
                           [&](const Category& c) { return foldForComparison(c.name()) == folded; },
                           context) != nullptr;
    return found ? &CliLookup::category(context, name) : nullptr;
}

void renameCategory(CommandInvocation& call) {
    CliStore store(call.global());
    ObjectContext& context = store.context();
    const std::string& oldName = call.requiredPositional(0);
    const std::string& newName = call.requiredPositional(1);
    Category* category = categoryOrNothing(context, oldName);
    const std::string original = category != nullptr ? category->name() : std::string();
    const CategoryPaneDecisions::Rename decision =
        category != nullptr ? CategoryPaneDecisions::rename(*category, original, newName, context)
                            : CategoryPaneDecisions::renameGroup(
                                  CliLookup::categoryGroup(context, oldName), newName, context);
    if (decision == CategoryPaneDecisions::Rename::NameTaken) {
        throw CliError::failed(CategoryPaneDecisions::nameTakenAlert(newName).message);
    }
    store.save();
    call.result()["name"] = newName;
}

void deleteCategory(CommandInvocation& call) {
    CliStore store(call.global());
    ObjectContext& context = store.context();
    const std::string& name = call.requiredPositional(0);
    Category* category = categoryOrNothing(context, name);
    CategoryGroup* group = category == nullptr ? &CliLookup::categoryGroup(context, name) : nullptr;
    const CategoryPaneDecisions::Delete decision = category != nullptr
                                                       ? CategoryPaneDecisions::deleting(*category)
                                                       : CategoryPaneDecisions::deleting(*group);
    if (decision == CategoryPaneDecisions::Delete::CategoryInUse ||
        decision == CategoryPaneDecisions::Delete::GroupNotEmpty) {
        const CategoryPaneDecisions::Alert alert = CategoryPaneDecisions::deleteAlert(decision);
        throw CliError::failed(alert.message + "\n" + alert.informativeText);
    }
    call.result()["deleted"] = category != nullptr ? category->name() : group->name();
    if (category != nullptr) {
        CategoryPaneDecisions::deleteCategory(*category, context);
    } else {
        CategoryPaneDecisions::deleteGroup(*group, context);
    }
    store.save();
}

void moveCategory(CommandInvocation& call) {
    CliStore store(call.global());
    ObjectContext& context = store.context();
    Category& category = CliLookup::category(context, call.requiredPositional(0));
    const std::optional<std::string> group = call.option("--group");
    if (group.has_value() == call.flag("--none")) {
        throw CliError::usage("move-category needs --group G or --none");
    }
    CategoryPaneDecisions::moveCategories(
        {&category}, group ? &CliLookup::categoryGroup(context, *group) : nullptr);
    store.save();
    call.result()["name"] = category.name();
    call.result()["group"] =
        category.group() != nullptr ? Json(category.group()->name()) : Json(nullptr);
}

void listCurrencies(CliStore& store, CommandInvocation& call) {
    std::vector<Currency*> currencies = Currency::allInContext(store.context());
    std::sort(currencies.begin(), currencies.end(),
              [](const Currency* a, const Currency* b) { return a->code() < b->code(); });
    Json rows = Json::array();
    for (const Currency* currency : currencies) {
        rows.push_back(Json{{"code", currency->code()},
                            {"name", currency->name()},
                            {"rate", currency->rate().toString()}});
    }
    call.result()["homeCurrency"] = HomeCurrencyChoice::homeCode(store.context());
    call.result()["currencies"] = std::move(rows);
}

void showCurrencies(CommandInvocation& call) {
    CliStore store(call.global());
    listCurrencies(store, call);
}

void setHomeCurrency(CommandInvocation& call) {
    CliStore store(call.global());
    ObjectContext& context = store.context();
    const std::string& code = call.requiredPositional(0);
    if (HomeCurrencyChoice::switchHomeCurrency(CliRows::currencyForCode(context, code), context,
                                               CurrenciesFile::defaultPath())) {
        store.save();
    }
    listCurrencies(store, call);
}

}  // namespace

void registerCategoryCommands(CommandRegistry& registry) {
    registry.add({.name = "categories",
                  .summary = "the categories and their groups",
                  .run = listCategories});
    registry.add({.name = "add-category",
                  .summary = "a new category",
                  .positionals = {"NAME"},
                  .valueOptions = {"--group"},
                  .run = addCategory});
    registry.add({.name = "add-category-group",
                  .summary = "a new category group",
                  .positionals = {"NAME"},
                  .run = addCategoryGroup});
    registry.add({.name = "rename-category",
                  .summary = "rename a category or a category group",
                  .positionals = {"OLD", "NEW"},
                  .run = renameCategory});
    registry.add({.name = "delete-category",
                  .summary = "delete an unused category or an empty category group",
                  .positionals = {"NAME"},
                  .run = deleteCategory});
    registry.add({.name = "move-category",
                  .summary = "put a category into a group, or out of any with --none",
                  .positionals = {"NAME"},
                  .valueOptions = {"--group"},
                  .flags = {"--none"},
                  .run = moveCategory});
    registry.add({.name = "currencies",
                  .summary = "the home currency and the exchange rates",
                  .run = showCurrencies});
    registry.add({.name = "set-home-currency",
                  .summary = "make another currency the home currency",
                  .positionals = {"CODE"},
                  .run = setHomeCurrency});
}
