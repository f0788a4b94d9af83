#include "cli/ScheduledCommands.h"

#include "cli/CliError.h"
#include "cli/CliLookup.h"
#include "cli/CliRows.h"
#include "cli/CliStore.h"
#include "cli/CommandInvocation.h"
#include "cli/CommandRegistry.h"
#include "cli/ScheduledItemOptions.h"
#include "ledger/Account.h"
#include "ledger/Category.h"
#include "ledger/Global.h"
#include "scheduled/ScheduledItem.h"
#include "scheduled/ScheduledListCommands.h"

namespace {

using CliRows::Json;

void listItems(CommandInvocation& call) {
    CliStore store(call.global());
    Json rows = Json::array();
    for (const ScheduledItem* item : ScheduledItem::allByNextDueDate(store.context())) {
        rows.push_back(CliRows::scheduledItemRow(*item));
    }
    call.result()["items"] = std::move(rows);
}

// After the editor closes the application pays the automatic items that fell due.
void finishEditing(CliStore& store, CommandInvocation& call, ScheduledItem& item) {
    const std::string title = item.title();
    call.result()["paidAutomatically"] =
        ScheduledItem::processAutomaticPayments(Date::today_PN(), store.context());
    store.save();
    call.result()["item"] = item.isDeleted() ? Json(nullptr) : CliRows::scheduledItemRow(item);
    call.result()["title"] = title;
}

void addItem(CommandInvocation& call) {
    CliStore store(call.global());
    ScheduledItem* item = store.context().insert<ScheduledItem>();
    ScheduledItemOptions::create(*item, call, store.context());
    finishEditing(store, call, *item);
}

void editItem(CommandInvocation& call) {
    CliStore store(call.global());
    ScheduledItem& item = CliLookup::scheduledItem(store.context(), call.requiredPositional(0));
    ScheduledItemOptions::edit(item, call, store.context());
    finishEditing(store, call, item);
}

void deleteItem(CommandInvocation& call) {
    CliStore store(call.global());
    ScheduledItem& item = CliLookup::scheduledItem(store.context(), call.requiredPositional(0));
    call.result()["deleted"] = item.title();
    call.result()["projectedTransactionsDeleted"] = item.projectedTransactions().size();
    ScheduledListCommands::performDelete({&item}, store.context());
    store.save();
}

void upcomingDates(CommandInvocation& call) {
    CliStore store(call.global());
    ScheduledItem& item = CliLookup::scheduledItem(store.context(), call.requiredPositional(0));
    const std::optional<Date> until = call.dateOption("--until");
    if (!until) {
        throw CliError::usage("scheduled upcoming needs --until D");
    }
    const std::optional<std::int64_t> limit = call.integerOption("--limit");
    if (limit && (*limit < 0 || *limit > 100000)) {
        throw CliError::usage("--limit expects a number from 0 to 100000");
    }
    const std::vector<Date> dates = limit
                                        ? item.upcomingDatesUntil(*until, static_cast<int>(*limit))
                                        : item.upcomingDatesUntil(*until);
    Json out = Json::array();
    for (const Date& date : dates) {
        out.push_back(date.toISOString());
    }
    call.result()["dates"] = std::move(out);
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
    call.result()["item"] = item.isDeleted() ? Json(nullptr) : CliRows::scheduledItemRow(item);
}

void skipItem(CommandInvocation& call) {
    CliStore store(call.global());
    ScheduledItem& item = CliLookup::scheduledItem(store.context(), call.requiredPositional(0));
    const std::string title = item.title();
    item.skip();
    store.save();
    call.result()["skipped"] = title;
    call.result()["item"] = item.isDeleted() ? Json(nullptr) : CliRows::scheduledItemRow(item);
}

void projectionStatus(CliStore& store, CommandInvocation& call) {
    const Global* global = Global::sharedInstanceInContext(store.context());
    call.result()["isOn"] = global->isShowingProjection();
    call.result()["months"] = global->isShowingProjection()
                                  ? CliRows::optionalInteger(global->projectedMonths())
                                  : Json(nullptr);
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
        if (count < 1 || count > 1200) {
            throw CliError::usage("MONTHS must be from 1 to 1200");
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
    registry.add({.name = "scheduled add",
                  .summary = "a new scheduled transaction",
                  .valueOptions = ScheduledItemOptions::valueOptions(),
                  .flags = ScheduledItemOptions::flags(),
                  .run = addItem});
    registry.add({.name = "scheduled edit",
                  .summary = "change a scheduled transaction",
                  .positionals = {"TITLE"},
                  .valueOptions = ScheduledItemOptions::valueOptions(),
                  .flags = ScheduledItemOptions::flags(),
                  .run = editItem});
    registry.add({.name = "scheduled delete",
                  .summary = "delete a scheduled transaction and its projection",
                  .positionals = {"TITLE"},
                  .run = deleteItem});
    registry.add({.name = "scheduled upcoming",
                  .summary = "the coming due dates up to a day",
                  .positionals = {"TITLE"},
                  .valueOptions = {"--until", "--limit"},
                  .run = upcomingDates});
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
