#include "cli/ScheduledItemOptions.h"

#include <array>

#include "base/TextFolding.h"
#include "cli/CliError.h"
#include "cli/CliLookup.h"
#include "cli/CommandInvocation.h"
#include "scheduled/DIMonth.h"
#include "scheduled/RepeatForm.h"
#include "scheduled/ScheduledItem.h"
#include "scheduled/ScheduledItemForm.h"

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

void readRepeatOptions(ScheduledItemForm& form, const CommandInvocation& call) {
    if (std::optional<Date> due = call.dateOption("--due")) {
        form.repeat.dueDate = *due;
    }
    if (std::optional<std::string> repeat = call.option("--repeat")) {
        form.chooseRepeatType(repeatTag(*repeat));
    }
    if (!form.repeats()) {
        if (call.option("--interval") || !call.options("--on").empty() ||
            call.option("--ends-after")) {
            throw CliError::usage("--interval, --on and --ends-after need an item that repeats");
        }
        return;
    }
    if (call.option("--interval")) {
        form.repeat.interval = positiveInt(call, "--interval", 1);
    }
    if (const std::vector<std::string> rules = call.options("--on"); !rules.empty()) {
        form.repeat.ruleTags.clear();
        for (const std::string& rule : rules) {
            form.repeat.ruleTags.push_back(ruleTag(rule, form.repeat.repeatTypeTag));
        }
    }
    if (std::optional<std::string> ends = call.option("--ends-after")) {
        form.chooseEndsAfter(*ends == "never"
                                 ? std::nullopt
                                 : std::optional<int>(positiveInt(call, "--ends-after", 1)));
    }
}

void readReminderAndPayment(ScheduledItemForm& form, const CommandInvocation& call) {
    const bool autoOn = call.flag("--auto");
    if (autoOn && call.flag("--no-auto")) {
        throw CliError::usage("give --auto or --no-auto, not both");
    }
    if (autoOn || call.flag("--no-auto")) {
        form.choosePayAutomatically(autoOn);
    }
    if (std::optional<std::string> reminder = call.option("--reminder")) {
        if (*reminder == "none") {
            form.chooseReminder(std::nullopt);
        } else if (!form.canChooseReminder()) {
            throw CliError::usage("an item paid automatically has no reminder");
        } else {
            form.chooseReminder(positiveInt(call, "--reminder", 0));
        }
    }
    if (call.option("--url") && call.option("--instructions")) {
        throw CliError::usage("give --url or --instructions, not both");
    }
    if (std::optional<std::string> url = call.option("--url")) {
        form.chooseAddressMode(ScheduledItemForm::kWebAddressTag);
        form.addressText = *url;
    }
    if (std::optional<std::string> instructions = call.option("--instructions")) {
        form.chooseAddressMode(ScheduledItemForm::kInstructionsTag);
        form.addressText = *instructions;
    }
}

void readOptions(ScheduledItemForm form, ScheduledItem& item, const CommandInvocation& call,
                 ObjectContext& context) {
    readRepeatOptions(form, call);
    if (std::optional<std::string> title = call.option("--title")) {
        form.title = *title;
    }
    if (std::optional<Decimal> amount = call.decimalOption("--amount")) {
        form.amount = *amount;
    }
    if (std::optional<std::string> category = call.option("--category")) {
        form.category = *category == "none" ? nullptr : &CliLookup::category(context, *category);
    }
    if (std::optional<std::string> account = call.option("--account")) {
        form.account = &CliLookup::account(context, *account);
    }
    if (std::optional<std::string> to = call.option("--to")) {
        form.toAccount = *to == "none" ? nullptr : &CliLookup::account(context, *to);
    }
    CliError::throwIfRefused(form.checkAccounts());
    form.keepTransferAPayment();
    readReminderAndPayment(form, call);
    if (std::optional<std::string> notes = call.option("--notes")) {
        form.notes = *notes;
    }
    form.readInto(item);
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
    readOptions(ScheduledItemForm::forNewItem(context), item, call, context);
}

void ScheduledItemOptions::edit(ScheduledItem& item, const CommandInvocation& call,
                                ObjectContext& context) {
    readOptions(ScheduledItemForm::forItem(item), item, call, context);
}

std::string ScheduledItemOptions::ruleText(int tag, bool weekly) {
    if (weekly) {
        return tag >= 1 && tag <= 7 ? kWeekdays[static_cast<std::size_t>(tag - 1)] : "?";
    }
    return tag == DIMonth::kLastDay ? "last" : std::to_string(tag);
}
