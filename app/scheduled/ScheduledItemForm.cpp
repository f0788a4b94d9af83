#include "scheduled/ScheduledItemForm.h"

#include <algorithm>

#include "base/AssertionFailure.h"
#include "base/StringHelpers.h"
#include "ledger/Account.h"
#include "ledger/Global.h"
#include "ledger/TransferCommands.h"
#include "scheduled/PaymentURL.h"
#include "scheduled/ScheduledItem.h"
#include "scheduled/ScheduledItemValidation.h"
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

std::vector<Account*> ScheduledItemForm::accountChoices(ObjectContext& context) const {
    std::vector<Account*> accounts = Account::findByPredicate(
        [this](const Account& a) { return !a.isClosed() || &a == account; }, context);
    std::sort(accounts.begin(), accounts.end(),
              [](const Account* a, const Account* b) { return a->name() < b->name(); });
    return accounts;
}

std::vector<Account*> ScheduledItemForm::destinationChoices(ObjectContext& context) const {
    std::vector<Account*> accounts = Account::findByPredicate(
        [this](const Account& a) { return &a != account && (!a.isClosed() || &a == toAccount); },
        context);
    std::sort(accounts.begin(), accounts.end(),
              [](const Account* a, const Account* b) { return a->name() < b->name(); });
    return accounts;
}

void ScheduledItemForm::chooseTransfer(bool on, ObjectContext& context) {
    if (!on) {
        toAccount = nullptr;
        return;
    }
    const std::vector<Account*> destinations = destinationChoices(context);
    if (destinations.empty()) {
        return;
    }
    toAccount = destinations.front();
    keepTransferAPayment();
}

void ScheduledItemForm::chooseAccount(Account* chosen) {
    if (chosen != nullptr && chosen == toAccount) {
        toAccount = account;
    }
    account = chosen;
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

std::string ScheduledItemForm::payAutomaticallyTitle() const {
    return amount && amount->isIncome_pn() ? "Deposit automatically" : "Pay automatically";
}

std::string ScheduledItemForm::accountLabel() const {
    return toAccount != nullptr ? "From Account:" : "Account:";
}

std::string ScheduledItemForm::sheetHeading(bool creating) {
    return creating ? "New Scheduled Transaction" : "Edit Scheduled Transaction";
}

std::string ScheduledItemForm::confirmTitle(bool creating) {
    return creating ? "Create" : "Save";
}

ScheduledItemFields ScheduledItemForm::fieldsFor(const ScheduledItem* item) const {
    ScheduledItemFields fields;
    fields.amount = amount.value_or(Decimal(0));
    fields.isTransfer = toAccount != nullptr;
    if (std::optional<std::string> text = unlessBlank(addressText)) {
        if (addressTag == kWebAddressTag) {
            fields.paymentURL = cleanupURL(*text);
        } else {
            fields.paymentInstructions = text;
        }
    }
    fields.payAutomatically = payAutomatically;
    if (reminderOn) {
        fields.reminderDays = reminderDays;
        // A reminder already shown for this due date stays shown.
        fields.hasReminded = item != nullptr && item->hasReminded();
    }
    fields.schedule = repeat.read();
    return fields;
}

std::optional<ValidationError> ScheduledItemForm::validate(const ScheduledItem* item) const {
    return validateScheduledItem(fieldsFor(item));
}

void ScheduledItemForm::readInto(ScheduledItem& item) const {
    const ScheduledItemFields fields = fieldsFor(&item);
    item.setTitle(title);
    item.setSchedule(fields.schedule);
    item.setAmount(fields.amount);
    item.setCategory(category);
    item.setAccount(account);
    item.setToAccount(toAccount);
    item.setReminderDays(fields.reminderDays ? std::optional<std::int64_t>(*fields.reminderDays)
                                             : std::nullopt);
    item.setHasReminded(fields.hasReminded);
    item.setPayAutomatically(fields.payAutomatically);
    item.setPaymentURL(fields.paymentURL);
    item.setPaymentInstructions(fields.paymentInstructions);
    item.setNotes(unlessBlank(notes));
    if (Global::sharedInstanceInContext(*item.managedObjectContext())->isShowingProjection()) {
        item.regenerateProjection();
    }
}
