#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/CommandCheck.h"
#include "base/Decimal.h"
#include "base/ValidationError.h"
#include "scheduled/RepeatForm.h"
#include "scheduled/ScheduledItemFields.h"

class Account;
class Category;
class ObjectContext;
class ScheduledItem;

// What the scheduled-item editor's fields hold, the rules that tie the fields together, and
// how the form is read into an item. The editor sheet and the command line's `scheduled add`
// and `scheduled edit` fill a form through these operations and read it; neither holds a rule
// of its own.
struct ScheduledItemForm final {
    // Tags of the address pop-up.
    static constexpr int kWebAddressTag = 0;
    static constexpr int kInstructionsTag = 1;
    // What the reminder days field shows while it is off.
    static constexpr int kDefaultReminderDays = 10;

    std::string title = "New Transaction";
    std::optional<std::string> notes;
    RepeatForm repeat;
    std::optional<Decimal> amount;  // empty field
    Category* category = nullptr;
    Account* account = nullptr;
    Account* toAccount = nullptr;  // set exactly when the transfer checkbox is on
    bool reminderOn = false;
    int reminderDays = kDefaultReminderDays;
    bool payAutomatically = false;
    int addressTag = kWebAddressTag;
    std::string addressText;

    // The form for a new item: due today, monthly, the first account by name (none in a store
    // without accounts), everything else empty or off.
    static ScheduledItemForm forNewItem(ObjectContext& context);
    // The form showing `item`.
    static ScheduledItemForm forItem(const ScheduledItem& item);

    // True while the item repeats: only then are the interval, the rules and the end shown.
    bool repeats() const { return repeat.repeatTypeTag != RepeatForm::kNoRepeatTag; }
    // The reminder can be turned on only while the item is not paid automatically.
    bool canChooseReminder() const { return !payAutomatically; }
    // Refuses a form without an account and a transfer to the item's own account; the form
    // can be read into an item only when this proceeds.
    CommandCheck checkAccounts() const;

    // A new repeat type drops the custom rules and their end.
    void chooseRepeatType(int tag);
    // An end after `count` occurrences, or never. An end is shown below the rule rows, so
    // without rules the rule the due date implies is shown first.
    void chooseEndsAfter(std::optional<int> count);
    // Paying automatically turns the reminder off.
    void choosePayAutomatically(bool on);
    // A reminder `days` before the due date, or none (the field then shows the default).
    void chooseReminder(std::optional<int> days);
    // Another address mode clears the field.
    void chooseAddressMode(int tag);
    // The accounts the account pop-up lists: the open accounts by name, and the chosen one
    // when it is closed.
    [[nodiscard]] std::vector<Account*> accountChoices(ObjectContext& context) const;
    // What the to-account pop-up lists: the same, without the account paid from.
    [[nodiscard]] std::vector<Account*> destinationChoices(ObjectContext& context) const;
    // The transfer checkbox. On: the first destination is chosen (nothing happens when there
    // is none) and the direction is kept a payment. Off: no destination.
    void chooseTransfer(bool on, ObjectContext& context);
    // The account pop-up; choosing the destination makes the two accounts change places.
    void chooseAccount(Account* chosen);
    // A transfer is always stored as a payment out of its account: with a positive amount the
    // two accounts change places and the amount is negated.
    void keepTransferAPayment();

    // The labels that follow the fields: "Deposit automatically" for an amount above 0, else
    // "Pay automatically"; "From Account:" for a transfer, else "Account:".
    std::string payAutomaticallyTitle() const;
    std::string accountLabel() const;
    // The sheet's heading and confirm button: "New Scheduled Transaction" and "Create" while
    // creating, "Edit Scheduled Transaction" and "Save" while editing.
    static std::string sheetHeading(bool creating);
    static std::string confirmTitle(bool creating);

    // What readInto would store in `item` (nullptr: a new item), as the validation rules
    // read it.
    [[nodiscard]] ScheduledItemFields fieldsFor(const ScheduledItem* item) const;
    // The errors the item would fail to save with after readInto, checked before any object
    // changes; nothing when it would pass.
    [[nodiscard]] std::optional<ValidationError> validate(const ScheduledItem* item) const;

    // Writes the form into `item`: title, schedule (due date moved onto a repeating pattern),
    // amount (0 when empty), category, accounts, reminder (none clears hasReminded), automatic
    // payment, the address or instructions when not blank, the notes when not blank; then,
    // while the projection is on, the item's projection is made again.
    void readInto(ScheduledItem& item) const;
};
