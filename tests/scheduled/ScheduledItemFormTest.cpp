#include <gtest/gtest.h>

#include "ScheduledFixture.h"
#include "base/Clock.h"
#include "ledger/Account.h"
#include "scheduled/DIMonth.h"
#include "scheduled/ScheduledItem.h"
#include "scheduled/ScheduledItemForm.h"
#include "scheduled/ScheduledItemValidation.h"

namespace {

class ScheduledItemFormTest : public ScheduledFixture {
protected:
    ScheduledItemFormTest() {
        savings = ctx.insert<Account>();
        savings->setName("Savings");
        savings->moveTo(root, 1);
    }
    ~ScheduledItemFormTest() override { Clock::reset(); }

    Account* savings = nullptr;
};

TEST_F(ScheduledItemFormTest, ANewItemStartsFromTheEditorsDefaults) {
    Clock::setFixedToday(ymd(2024, 3, 10));
    const ScheduledItemForm form = ScheduledItemForm::forNewItem(ctx);
    auto* item = ctx.insert<ScheduledItem>();
    form.readInto(*item);
    EXPECT_EQ(item->title(), "New Transaction");
    EXPECT_EQ(item->nextDueDate(), ymd(2024, 3, 10));
    EXPECT_EQ(item->repeatType(), std::optional<std::string>("Month"));
    EXPECT_EQ(item->repeatInterval(), 1);
    EXPECT_EQ(item->account(), checking);  // "Checking" sorts before "Savings"
    EXPECT_EQ(item->amount(), Decimal(0));
    EXPECT_FALSE(item->hasReminder());
    EXPECT_FALSE(item->paymentURL() || item->paymentInstructions());
}

// Showing an item and reading the form straight back must change nothing.
TEST_F(ScheduledItemFormTest, AnItemReadsBackUnchanged) {
    ScheduledItem* bill = item(ymd(2024, 3, 31), "Month", "-40");
    bill->setRepeatRules(std::vector<RepeatRule>{DIMonth(DIMonth::kLastDay)});
    bill->setEndsAfter(3);
    bill->setReminderDays(4);
    bill->setHasReminded(true);
    bill->setPaymentInstructions(std::string("Pay at the desk"));
    bill->setNotes(std::string("March"));
    ScheduledItem* transfer = item(ymd(2024, 3, 5), "Week", "-25");
    transfer->setToAccount(savings);
    transfer->setPaymentURL(std::string("https://bank.example/pay/"));
    transfer->setPayAutomatically(true);
    const auto fields = [](const ScheduledItem& i) {
        return std::make_tuple(i.title(), i.notes(), i.schedule(), i.amount(), i.category(),
                               i.account(), i.toAccount(), i.reminderDays(), i.hasReminded(),
                               i.payAutomatically(), i.paymentURL(), i.paymentInstructions());
    };
    for (ScheduledItem* shown : {bill, transfer}) {
        SCOPED_TRACE(shown->title());
        const auto before = fields(*shown);
        ScheduledItemForm::forItem(*shown).readInto(*shown);
        EXPECT_EQ(fields(*shown), before);
    }
}

TEST_F(ScheduledItemFormTest, FieldsFollowTheEditorsRules) {
    ScheduledItemForm form = ScheduledItemForm::forNewItem(ctx);
    form.repeat.dueDate = ymd(2024, 3, 13);  // a Wednesday
    form.repeat.interval = 3;

    // An end without rules shows the rule the due date implies; a new type drops both.
    form.chooseEndsAfter(2);
    EXPECT_EQ(form.repeat.ruleTags, std::vector<int>{13});
    form.chooseRepeatType(RepeatForm::kWeeklyTag);
    EXPECT_TRUE(form.repeat.ruleTags.empty());
    EXPECT_EQ(form.repeat.endsTag, RepeatForm::kEndsNeverTag);
    EXPECT_EQ(form.repeat.interval, 3);
    form.chooseRepeatType(RepeatForm::kNoRepeatTag);
    EXPECT_EQ(form.repeat.interval, std::nullopt);
    form.chooseRepeatType(RepeatForm::kMonthlyTag);
    EXPECT_EQ(form.repeat.interval, 1);

    // Paying automatically turns a reminder off.
    form.chooseReminder(5);
    form.choosePayAutomatically(true);
    EXPECT_FALSE(form.reminderOn);
    EXPECT_EQ(form.reminderDays, ScheduledItemForm::kDefaultReminderDays);

    // Another address mode clears the field.
    form.addressText = "bank.example";
    form.chooseAddressMode(ScheduledItemForm::kInstructionsTag);
    EXPECT_EQ(form.addressText, "");

    // A deposit into a transfer becomes a payment the other way.
    form.toAccount = savings;
    form.amount = Decimal(50);
    form.keepTransferAPayment();
    EXPECT_EQ(form.account, savings);
    EXPECT_EQ(form.toAccount, checking);
    EXPECT_EQ(form.amount, Decimal(-50));
}

TEST_F(ScheduledItemFormTest, ReadingClearsWhatTheFormLeavesEmpty) {
    ScheduledItem* bill = item(ymd(2024, 3, 1), "Month", "-40");
    bill->setReminderDays(4);
    bill->setHasReminded(true);
    bill->setPaymentURL(std::string("bank.example"));
    bill->setNotes(std::string("March"));
    ScheduledItemForm form = ScheduledItemForm::forItem(*bill);
    form.chooseReminder(std::nullopt);
    form.addressText = "  ";
    form.notes = " ";
    form.amount.reset();
    form.readInto(*bill);
    EXPECT_FALSE(bill->hasReminder());
    EXPECT_FALSE(bill->hasReminded());
    EXPECT_FALSE(bill->paymentURL() || bill->paymentInstructions());
    EXPECT_EQ(bill->notes(), std::nullopt);
    EXPECT_EQ(bill->amount(), Decimal(0));
}

// What the sheet checks before anything changes is what the store would refuse after reading.
TEST_F(ScheduledItemFormTest, ValidatingAFormChangesNothingAndMatchesTheStoresRules) {
    // An item written elsewhere with both a reminder and automatic payment.
    ScheduledItem* bill = item(ymd(2024, 3, 1), "Month", "-40");
    bill->setReminderDays(3);
    bill->setPayAutomatically(true);
    const std::optional<ValidationError> stored = validateScheduledItem(bill->fields());
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->localizedDescription, "An internal error has occurred. (Code: ABEFA)");

    ScheduledItemForm form = ScheduledItemForm::forItem(*bill);
    form.title = "Renamed";
    EXPECT_EQ(form.validate(bill), stored);
    EXPECT_EQ(bill->title(), "Bill");
    form.choosePayAutomatically(false);
    EXPECT_EQ(form.validate(bill), std::nullopt);

    // What the form says the item will hold is what reading stores.
    form.chooseReminder(4);
    form.addressText = "https://bank.example/pay/";
    bill->setHasReminded(true);
    const ScheduledItemFields expected = form.fieldsFor(bill);
    form.readInto(*bill);
    EXPECT_EQ(bill->fields(), expected);
    EXPECT_EQ(bill->paymentURL(), std::optional<std::string>("bank.example/pay"));
    EXPECT_TRUE(bill->hasReminded());
}

TEST_F(ScheduledItemFormTest, AccountsTransferAndLabels) {
    Account* closed = ctx.insert<Account>();
    closed->setName("Old");
    closed->setIsClosed(true);
    ScheduledItemForm form = ScheduledItemForm::forNewItem(ctx);
    EXPECT_EQ(form.accountChoices(ctx), (std::vector<Account*>{checking, savings}));
    EXPECT_EQ(form.destinationChoices(ctx), std::vector<Account*>{savings});
    EXPECT_EQ(form.accountLabel(), "Account:");
    EXPECT_EQ(ScheduledItemForm::sheetHeading(true), "New Scheduled Transaction");
    EXPECT_EQ(ScheduledItemForm::confirmTitle(true), "Create");
    EXPECT_EQ(ScheduledItemForm::sheetHeading(false), "Edit Scheduled Transaction");
    EXPECT_EQ(ScheduledItemForm::confirmTitle(false), "Save");

    // A deposit of 120 made a transfer is a payment of 120 the other way.
    form.amount = Decimal(120);
    EXPECT_EQ(form.payAutomaticallyTitle(), "Deposit automatically");
    form.chooseTransfer(true, ctx);
    EXPECT_EQ(form.account, savings);
    EXPECT_EQ(form.toAccount, checking);
    EXPECT_EQ(form.amount, Decimal(-120));
    EXPECT_EQ(form.accountLabel(), "From Account:");
    EXPECT_EQ(form.payAutomaticallyTitle(), "Pay automatically");
    // Choosing the destination as the account makes the two change places.
    form.chooseAccount(checking);
    EXPECT_EQ(form.account, checking);
    EXPECT_EQ(form.toAccount, savings);
    form.chooseTransfer(false, ctx);
    EXPECT_EQ(form.toAccount, nullptr);

    // A closed account stays listed while it is the one chosen; alone, there is no transfer.
    form.account = closed;
    EXPECT_EQ(form.accountChoices(ctx), (std::vector<Account*>{checking, closed, savings}));
    savings->setIsClosed(true);
    form.account = checking;
    form.chooseTransfer(true, ctx);
    EXPECT_EQ(form.toAccount, nullptr);
}

}  // namespace

namespace {

TEST_F(ScheduledItemFormTest, AFormNeedsAnAccountAndNoTransferToItself) {
    ScheduledItemForm form = ScheduledItemForm::forNewItem(ctx);
    EXPECT_FALSE(form.checkAccounts().isRefused());
    form.toAccount = form.account;
    EXPECT_EQ(form.checkAccounts().alert.message, "An account cannot transfer to itself.");
    form.toAccount = savings;
    EXPECT_FALSE(form.checkAccounts().isRefused());
    form.account = nullptr;
    EXPECT_EQ(form.checkAccounts().alert.message,
              "A scheduled transaction needs an account; add one first.");
    form.choosePayAutomatically(true);
    EXPECT_FALSE(form.canChooseReminder());
    form.chooseRepeatType(RepeatForm::kNoRepeatTag);
    EXPECT_FALSE(form.repeats());
}

}  // namespace
