#include "scheduled/ScheduledItemForm.h"

#include "base/AssertionFailure.h"
#include "base/StringHelpers.h"
#include "ledger/Account.h"
#include "ledger/Global.h"
#include "ledger/TransferCommands.h"
#include "scheduled/ScheduledItem.h"
#include "store/ObjectContext.h"

namespace {

std::optional<std::string> unlessBlank(const std::optional<std::string>& text) {
    return text && !isBlank_pn(*text) ? text : std::nullopt;
}

}  // namespace

ScheduledItemForm ScheduledItemForm::forNewItem(ObjectContext& context) {
    ScheduledItemForm form;
    form.repeat.dueDate = Date::today_PN();
    form.account = Account::firstInContext(context);
    return form;
}

ScheduledItemForm ScheduledItemForm::forItem(const ScheduledItem& item) {
    ScheduledItemForm form;
    form.title = item.title();
    form.notes = item.notes();
    form.repeat = item.repeatForm();
    form.amount = item.amount();
    form.category = item.category();
    form.account = item.account();
    form.toAccount = item.toAccount();
    form.reminderOn = item.hasReminder();
    if (item.reminderDays()) {
        form.reminderDays = static_cast<int>(*item.reminderDays());
    }
    form.payAutomatically = item.payAutomatically();
    if (item.paymentURL()) {
        form.addressText = *item.paymentURL();
    } else if (item.paymentInstructions()) {
        form.addressTag = kInstructionsTag;
        form.addressText = *item.paymentInstructions();
    }
    return form;
}

// Also the repeat row's own upkeep: a repeating item's empty interval becomes 1, one that
// does not repeat has none.
void ScheduledItemForm::chooseRepeatType(int tag) {
    if (tag != repeat.repeatTypeTag) {
        repeat.repeatTypeTag = tag;
        repeat.ruleTags.clear();
        repeat.endsTag = RepeatForm::kEndsNeverTag;
        repeat.endsAfterCount.reset();
    }
    if (tag == RepeatForm::kNoRepeatTag) {
        repeat.interval.reset();
    } else if (!repeat.interval) {
        repeat.interval = 1;
    }
}

void ScheduledItemForm::chooseEndsAfter(std::optional<int> count) {
    if (!count) {
        repeat.endsTag = RepeatForm::kEndsNeverTag;
        repeat.endsAfterCount.reset();
        return;
    }
    PN_ASSERT(repeat.repeatTypeTag != RepeatForm::kNoRepeatTag, "An end needs a repeating item");
    if (repeat.ruleTags.empty()) {
        repeat.ruleTags.push_back(RepeatForm::impliedRuleTag(repeat.dueDate, repeat.repeatTypeTag));
    }
    repeat.endsTag = RepeatForm::kEndsAfterTag;
    repeat.endsAfterCount = count;
}

void ScheduledItemForm::choosePayAutomatically(bool on) {
    payAutomatically = on;
    if (on) {
        chooseReminder(std::nullopt);
    }
}

void ScheduledItemForm::chooseReminder(std::optional<int> days) {
    reminderOn = days.has_value();
    reminderDays = days.value_or(kDefaultReminderDays);
}

void ScheduledItemForm::chooseAddressMode(int tag) {
    if (tag != addressTag) {
        addressTag = tag;
        addressText.clear();
    }
}

CommandCheck ScheduledItemForm::checkAccounts() const {
    if (account == nullptr) {
        return CommandCheck::refuse(
            {.message = "A scheduled transaction needs an account; add one first."});
    }
    if (toAccount != nullptr) {
        return TransferCommands::checkTransfer(*account, *toAccount);
    }
    return CommandCheck::proceed();
}

void ScheduledItemForm::keepTransferAPayment() {
    if (toAccount != nullptr && amount && *amount > Decimal(0)) {
        std::swap(account, toAccount);
        amount = -*amount;
    }
}

void ScheduledItemForm::readInto(ScheduledItem& item) const {
    item.setTitle(title);
    item.readForm(repeat);
    item.setAmount(amount.value_or(Decimal(0)));
    item.setCategory(category);
    item.setAccount(account);
    item.setToAccount(toAccount);
    if (reminderOn) {
        item.setReminderDays(reminderDays);
    } else {
        item.setReminderDays(std::nullopt);
        item.setHasReminded(false);
    }
    item.setPayAutomatically(payAutomatically);
    item.setPaymentURL(std::nullopt);
    item.setPaymentInstructions(std::nullopt);
    if (std::optional<std::string> text = unlessBlank(addressText)) {
        addressTag == kWebAddressTag ? item.setPaymentURL(text) : item.setPaymentInstructions(text);
    }
    item.setNotes(unlessBlank(notes));
    if (Global::sharedInstanceInContext(*item.managedObjectContext())->isShowingProjection()) {
        item.regenerateProjection();
    }
}
