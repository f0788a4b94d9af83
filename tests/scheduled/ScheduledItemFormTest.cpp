#include <gtest/gtest.h>

#include "ScheduledFixture.h"
#include "base/Clock.h"
#include "ledger/Account.h"
#include "scheduled/DIMonth.h"
#include "scheduled/ScheduledItem.h"
#include "scheduled/ScheduledItemForm.h"

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
