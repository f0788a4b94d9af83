#include "cli/ScheduledCommands.h"

#include "cli/CliError.h"
#include "cli/CliLookup.h"
#include "cli/CliStore.h"
#include "cli/CommandInvocation.h"
#include "cli/CommandRegistry.h"
#include "ledger/Account.h"
#include "ledger/Category.h"
#include "ledger/Global.h"
#include "scheduled/DueDateTexts.h"
#include "scheduled/ScheduledItem.h"

namespace {

using Json = nlohmann::ordered_json;

Json nameOf(const Account* account) {
    return account != nullptr ? Json(account->name()) : Json(nullptr);
}

Json optionalInteger(std::optional<std::int64_t> value) {
    return value ? Json(*value) : Json(nullptr);
}

Json itemRow(const ScheduledItem& item) {
    return Json{
        {"title", item.title()},
        {"amount", item.amount().toString(2)},
        {"account", nameOf(item.account())},
        {"toAccount", nameOf(item.toAccount())},
        {"category", item.category() != nullptr ? Json(item.category()->name()) : Json(nullptr)},
        {"nextDueDate", item.nextDueDate().toISOString()},
        {"repeatType", item.repeatType() ? Json(*item.repeatType()) : Json(nullptr)},
        {"repeatInterval", optionalInteger(item.repeatInterval())},
        {"endsAfter", optionalInteger(item.endsAfter())},
        {"reminderDays", optionalInteger(item.reminderDays())},
        {"hasReminded", item.hasReminded()},
        {"payAutomatically", item.payAutomatically()},
        {"dueText", dueDateCellText(item.nextDueDate(), Date::today_PN())},
        {"shouldColorRed", item.shouldColorRed()},
    };
}

void listItems(CommandInvocation& call) {
    CliStore store(call.global());
    Json rows = Json::array();
    for (const ScheduledItem* item : ScheduledItem::allByNextDueDate(store.context())) {
        rows.push_back(itemRow(*item));
    }
    call.result()["items"] = std::move(rows);
}

void payItem(CommandInvocation& call) {
    CliStore store(call.global());
    ObjectContext& context = store.context();
    ScheduledItem& item = CliLookup::scheduledItem(context, call.requiredPositional(0));
    Category* category = item.category();
    if (std::optional<std::string> name = call.option("--category")) {
        category = &CliLookup::category(context, *name);
    }
    const std::string title = item.title();
    item.payWithDate(call.dateOption("--date").value_or(item.nextDueDate()),
                     call.decimalOption("--amount").value_or(item.amount()), category,
                     call.option("--notes") ? call.option("--notes") : item.notes(),
                     call.integerOption("--check"));
    store.save();
    call.result()["paid"] = title;
    call.result()["item"] = item.isDeleted() ? Json(nullptr) : itemRow(item);
}

void skipItem(CommandInvocation& call) {
    CliStore store(call.global());
    ScheduledItem& item = CliLookup::scheduledItem(store.context(), call.requiredPositional(0));
    const std::string title = item.title();
    item.skip();
    store.save();
    call.result()["skipped"] = title;
    call.result()["item"] = item.isDeleted() ? Json(nullptr) : itemRow(item);
}

void projectionStatus(CliStore& store, CommandInvocation& call) {
    const Global* global = Global::sharedInstanceInContext(store.context());
    call.result()["isOn"] = global->isShowingProjection();
    call.result()["months"] =
        global->isShowingProjection() ? optionalInteger(global->projectedMonths()) : Json(nullptr);
    call.result()["endDate"] = global->projectionEndDate()
                                   ? Json(global->projectionEndDate()->toISOString())
                                   : Json(nullptr);
}

void projection(CommandInvocation& call) {
    CliStore store(call.global());
    ObjectContext& context = store.context();
    const std::string what = call.requiredPositional(0);
    Global* global = Global::sharedInstanceInContext(context);
    if (what == "on") {
        const std::optional<std::string> months = call.positional(1);
        if (!months) {
            throw CliError::usage("projection on needs the number of months");
        }
        const std::int64_t count = CommandInvocation::parseInteger("MONTHS", *months);
        if (count < 1) {
            throw CliError::usage("MONTHS must be 1 or more");
        }
        if (global->isShowingProjection()) {
            ScheduledItem::hideProjections(context);
        }
        global->setProjectedMonths(count);
        ScheduledItem::generateProjections(context, Date::today_PN());
        store.save();
    } else if (what == "off") {
        ScheduledItem::hideProjections(context);
        store.save();
    } else if (what != "status") {
        throw CliError::usage("projection expects on MONTHS, off or status");
    }
    projectionStatus(store, call);
}

}  // namespace

void registerScheduledCommands(CommandRegistry& registry) {
    registry.add({.name = "scheduled list",
                  .summary = "the scheduled transactions by due date",
                  .run = listItems});
    registry.add({.name = "scheduled pay",
                  .summary = "pay the next occurrence",
                  .positionals = {"TITLE"},
                  .valueOptions = {"--date", "--amount", "--category", "--notes", "--check"},
                  .run = payItem});
    registry.add({.name = "scheduled skip",
                  .summary = "pass over the next occurrence",
                  .positionals = {"TITLE"},
                  .run = skipItem});
    registry.add({.name = "projection",
                  .summary = "turn the projection on for MONTHS months, off, or show it",
                  .positionals = {"on|off|status", "MONTHS"},
                  .optionalPositionals = 1,
                  .run = projection});
}
