#include "cli/ScheduledItemOptions.h"

#include <algorithm>
#include <array>

#include "base/StringHelpers.h"
#include "base/TextFolding.h"
#include "cli/CliError.h"
#include "cli/CliLookup.h"
#include "cli/CommandInvocation.h"
#include "ledger/Account.h"
#include "ledger/Global.h"
#include "scheduled/DIMonth.h"
#include "scheduled/RepeatForm.h"
#include "scheduled/ScheduledItem.h"

namespace {

// Weekday names by rule tag: tag 1 is Sunday.
constexpr std::array<const char*, 7> kWeekdays = {"sunday",   "monday", "tuesday", "wednesday",
                                                  "thursday", "friday", "saturday"};

int repeatTag(const std::string& text) {
    if (text == "month") {
        return RepeatForm::kMonthlyTag;
    }
    if (text == "week") {
        return RepeatForm::kWeeklyTag;
    }
    if (text == "none") {
        return RepeatForm::kNoRepeatTag;
    }
    throw CliError::usage("--repeat expects month, week or none");
}

int ruleTag(const std::string& text, int repeatTypeTag) {
    const std::string folded = foldForComparison(text);
    if (repeatTypeTag == RepeatForm::kWeeklyTag) {
        for (std::size_t i = 0; i < kWeekdays.size(); ++i) {
            if (folded == kWeekdays[i]) {
                return static_cast<int>(i) + 1;
            }
        }
        throw CliError::usage("--on for a weekly item expects a weekday name (monday...)");
    }
    if (repeatTypeTag != RepeatForm::kMonthlyTag) {
        throw CliError::usage("--on needs an item that repeats");
    }
    if (folded == "last") {
        return DIMonth::kLastDay;
    }
    const std::int64_t day = CommandInvocation::parseInteger("--on", text);
    if (day < 1 || day > 31) {
        throw CliError::usage("--on for a monthly item expects a day from 1 to 31 or last");
    }
    return static_cast<int>(day);
}

int positiveInt(const CommandInvocation& call, const std::string& name, std::int64_t low) {
    const std::int64_t value = *call.integerOption(name);
    if (value < low || value > 100000) {
        throw CliError::usage(name + " expects a number from " + std::to_string(low));
    }
    return static_cast<int>(value);
}

// The due date and repeat controls: a new repeat type drops the custom rules, as in the editor;
// an end needs the rules row, so an end without rules takes the rule the due date implies.
void readRepeatOptions(RepeatForm& form, const CommandInvocation& call) {
    if (std::optional<Date> due = call.dateOption("--due")) {
        form.dueDate = *due;
    }
    if (std::optional<std::string> repeat = call.option("--repeat")) {
        const int tag = repeatTag(*repeat);
        if (tag != form.repeatTypeTag) {
            form.ruleTags.clear();
            form.endsTag = RepeatForm::kEndsNeverTag;
            form.endsAfterCount.reset();
        }
        form.repeatTypeTag = tag;
    }
    if (form.repeatTypeTag == RepeatForm::kNoRepeatTag) {
        if (call.option("--interval") || !call.options("--on").empty() ||
            call.option("--ends-after")) {
            throw CliError::usage("--interval, --on and --ends-after need an item that repeats");
        }
        form.interval.reset();
        return;
    }
    if (call.option("--interval")) {
        form.interval = positiveInt(call, "--interval", 1);
    }
    if (const std::vector<std::string> rules = call.options("--on"); !rules.empty()) {
        form.ruleTags.clear();
        for (const std::string& rule : rules) {
            form.ruleTags.push_back(ruleTag(rule, form.repeatTypeTag));
        }
    }
    if (std::optional<std::string> ends = call.option("--ends-after")) {
        if (*ends == "never") {
            form.endsTag = RepeatForm::kEndsNeverTag;
            form.endsAfterCount.reset();
            return;
        }
        if (form.ruleTags.empty()) {
            form.ruleTags.push_back(RepeatForm::impliedRuleTag(form.dueDate, form.repeatTypeTag));
        }
        form.endsTag = RepeatForm::kEndsAfterTag;
        form.endsAfterCount = positiveInt(call, "--ends-after", 1);
    }
}

Category* optionalCategory(const std::string& name, ObjectContext& context) {
    return name == "none" ? nullptr : &CliLookup::category(context, name);
}

std::optional<std::string> unlessBlank(const std::string& text) {
    return isBlank_pn(text) ? std::nullopt : std::optional<std::string>(text);
}

void readReminderAndPayment(ScheduledItem& item, const CommandInvocation& call) {
    const bool autoOn = call.flag("--auto");
    if (autoOn && call.flag("--no-auto")) {
        throw CliError::usage("give --auto or --no-auto, not both");
    }
    if (autoOn || call.flag("--no-auto")) {
        item.setPayAutomatically(autoOn);
    }
    if (std::optional<std::string> reminder = call.option("--reminder")) {
        if (*reminder == "none") {
            item.setReminderDays(std::nullopt);
        } else {
            item.setReminderDays(positiveInt(call, "--reminder", 0));
        }
    }
    if (item.payAutomatically() && item.hasReminder()) {
        if (call.option("--reminder") && *call.option("--reminder") != "none") {
            throw CliError::usage("an item paid automatically has no reminder");
        }
        item.setReminderDays(std::nullopt);  // turning automatic payment on turns it off
    }
    if (!item.hasReminder()) {
        item.setHasReminded(false);
    }
    if (call.option("--url") && call.option("--instructions")) {
        throw CliError::usage("give --url or --instructions, not both");
    }
    if (std::optional<std::string> url = call.option("--url")) {
        item.setPaymentInstructions(std::nullopt);
        item.setPaymentURL(unlessBlank(*url));
    }
    if (std::optional<std::string> instructions = call.option("--instructions")) {
        item.setPaymentURL(std::nullopt);
        item.setPaymentInstructions(unlessBlank(*instructions));
    }
}

void readOptions(ScheduledItem& item, const CommandInvocation& call, ObjectContext& context) {
    RepeatForm form = item.repeatForm();
    readRepeatOptions(form, call);
    item.readForm(form);
    if (std::optional<std::string> title = call.option("--title")) {
        item.setTitle(*title);
    }
    if (std::optional<Decimal> amount = call.decimalOption("--amount")) {
        item.setAmount(*amount);
    }
    if (std::optional<std::string> category = call.option("--category")) {
        item.setCategory(optionalCategory(*category, context));
    }
    if (std::optional<std::string> account = call.option("--account")) {
        item.setAccount(&CliLookup::account(context, *account));
    }
    if (std::optional<std::string> to = call.option("--to")) {
        item.setToAccount(*to == "none" ? nullptr : &CliLookup::account(context, *to));
    }
    if (item.account() == nullptr) {
        throw CliError::failed("A scheduled transaction needs an account; add one first.");
    }
    if (item.toAccount() == item.account()) {
        throw CliError::failed("An account cannot transfer to itself.");
    }
    // A transfer is always stored as a payment out of its account.
    if (item.isTransfer() && item.amount() > Decimal(0)) {
        Account* from = item.account();
        item.setAccount(item.toAccount());
        item.setToAccount(from);
        item.setAmount(-item.amount());
    }
    readReminderAndPayment(item, call);
    if (std::optional<std::string> notes = call.option("--notes")) {
        item.setNotes(unlessBlank(*notes));
    }
    if (Global::sharedInstanceInContext(context)->isShowingProjection()) {
        item.regenerateProjection();
    }
}

Account* firstAccountByName(ObjectContext& context) {
    std::vector<Account*> accounts = Account::allInContext(context);
    auto first =
        std::min_element(accounts.begin(), accounts.end(), [](const Account* a, const Account* b) {
            return foldForComparison(a->name()) < foldForComparison(b->name());
        });
    return first == accounts.end() ? nullptr : *first;
}

}  // namespace

std::vector<std::string> ScheduledItemOptions::valueOptions() {
    return {"--title",    "--amount",   "--account",      "--to",         "--due",
            "--repeat",   "--interval", "--on",           "--ends-after", "--reminder",
            "--category", "--url",      "--instructions", "--notes"};
}

std::vector<std::string> ScheduledItemOptions::flags() {
    return {"--auto", "--no-auto"};
}

void ScheduledItemOptions::create(ScheduledItem& item, const CommandInvocation& call,
                                  ObjectContext& context) {
    RepeatForm defaults;
    defaults.dueDate = Date::today_PN();
    item.setTitle("New Transaction");
    item.readForm(defaults);
    item.setAccount(firstAccountByName(context));
    readOptions(item, call, context);
}

void ScheduledItemOptions::edit(ScheduledItem& item, const CommandInvocation& call,
                                ObjectContext& context) {
    readOptions(item, call, context);
}

std::string ScheduledItemOptions::ruleText(int tag, bool weekly) {
    if (weekly) {
        return tag >= 1 && tag <= 7 ? kWeekdays[static_cast<std::size_t>(tag - 1)] : "?";
    }
    return tag == DIMonth::kLastDay ? "last" : std::to_string(tag);
}
