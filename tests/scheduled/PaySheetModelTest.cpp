// The pay sheet's content, its questions before paying and its notice after.
#include <gtest/gtest.h>

#include "ScheduledFixture.h"
#include "base/UserLocale.h"
#include "ledger/Account.h"
#include "scheduled/PaySheetModel.h"
#include "scheduled/ScheduledItem.h"

namespace {

class PaySheetModelTest : public ScheduledFixture {
protected:
    PaySheetModelTest() {
        UserLocale::set("en_US");
        reserve = ctx.insert<Account>();
        reserve->setName("Reserve 100%");
        reserve->moveTo(root, 1);
        bill = item(ymd(2026, 3, 5), "Month", "-80");
        bill->setTitle("Water");
        deposit = item(ymd(2026, 3, 5), "Week", "1925.40");
        deposit->setTitle("Payroll");
        transfer = item(ymd(2026, 3, 5), "Month", "-300");
        transfer->setTitle("Savings");
        transfer->setToAccount(reserve);
    }
    ~PaySheetModelTest() override { UserLocale::reset(); }

    Account* reserve = nullptr;
    ScheduledItem* bill = nullptr;
    ScheduledItem* deposit = nullptr;
    ScheduledItem* transfer = nullptr;
};

TEST_F(PaySheetModelTest, ShowsTheItemWithItsLinkOrInstructions) {
    bill->setPaymentURL(std::string("https://water.example/pay//"));
    deposit->setPaymentInstructions(std::string("Bring the slip"));
    const PaySheetModel payBill(*bill);
    EXPECT_EQ(payBill.heading(), "Pay Water");
    EXPECT_EQ(payBill.verb(), "Pay");
    EXPECT_EQ(payBill.dueLabel(), "due: Mar 5, 2026");
    EXPECT_EQ(payBill.titleArea(), PaySheetModel::TitleArea::Link);
    EXPECT_EQ(payBill.linkTitle(), "water.example/pay");
    EXPECT_EQ(payBill.linkURL(), "http://water.example/pay");
    EXPECT_TRUE(payBill.assumesNegativeAmount());

    const PaySheetModel payDeposit(*deposit);
    EXPECT_EQ(payDeposit.heading(), "Deposit Payroll");
    EXPECT_EQ(payDeposit.titleArea(), PaySheetModel::TitleArea::Instructions);
    EXPECT_EQ(payDeposit.instructions(), "Bring the slip");
    EXPECT_FALSE(payDeposit.assumesNegativeAmount());
    EXPECT_EQ(PaySheetModel(*transfer).titleArea(), PaySheetModel::TitleArea::Plain);
}

TEST_F(PaySheetModelTest, ConfirmingAsksWhenTheSignGoesAgainstTheItem) {
    using V = CommandCheck::Verdict;
    struct Case {
        const char* name;
        ScheduledItem* item;
        std::optional<Decimal> amount;
        V verdict;
        Alert alert;
    } const cases[] = {
        {"a bill as proposed", bill, Decimal(-80), V::Proceed, {}},
        {"a bill of 0", bill, Decimal(0), V::Proceed, {}},
        {"a deposit as proposed", deposit, Decimal(12), V::Proceed, {}},
        {"an empty payment",
         bill,
         std::nullopt,
         V::Refuse,
         {.message = "Please specify the amount of your payment.",
          .informativeText = "You must confirm the amount of your payment."}},
        {"an empty deposit",
         deposit,
         std::nullopt,
         V::Refuse,
         {.message = "Please specify the amount of your deposit.",
          .informativeText = "You must confirm the amount of your deposit."}},
        {"a bill paid as a deposit",
         bill,
         Decimal(5),
         V::Confirm,
         {.message = "Are you sure you want to make a deposit?",
          .informativeText = "This scheduled transaction is a payment. Specifying a positive "
                             "amount will make a deposit into the account \"Checking\".",
          .buttons = {"Make the Deposit", "Cancel"}}},
        {"a transfer turned around",
         transfer,
         Decimal(5),
         V::Confirm,
         {.message = "Are you sure you want to specify a positive amount for the transfer?",
          .informativeText = "Specifying a positive amount will cause the transfer to occur in "
                             "the opposite direction. In this case, money will be transfered "
                             "from the account \"Reserve 100%\" to the account \"Checking\".",
          .buttons = {"Make the Transfer", "Cancel"}}},
        {"a deposit paid out",
         deposit,
         Decimal(-5),
         V::Confirm,
         {.message = "Are you sure you want to make a payment?",
          .informativeText = "This scheduled transaction is a deposit. Specifying a negative "
                             "amount will make a payment from the account \"Checking\".",
          .buttons = {"Make the Payment", "Cancel"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PaySheetModel(*c.item).checkConfirm(c.amount),
                  (CommandCheck{c.verdict, c.alert}));
    }
}

TEST_F(PaySheetModelTest, NoticeSaysWhatWasCreatedInTheAccountsCurrency) {
    Account* euros = foreignAccount("EUR", "1.1");
    ScheduledItem* lyon = item(ymd(2026, 3, 5), "Month", "-400");
    lyon->setAccount(euros);
    struct Case {
        const char* name;
        ScheduledItem* item;
        Decimal amount;
        const char* message;
        const char* informativeText;
    } const cases[] = {
        {"a bill", bill, Decimal(-80), "One transaction was created.",
         "A transaction with the amount of -$80.00 has been added to \"Checking\"."},
        {"a bill in euros", lyon, Decimal::fromString("-412.5"), "One transaction was created.",
         "A transaction with the amount of -€412.50 has been added to \"EUR\"."},
        {"a transfer", transfer, Decimal(-300), "Two transactions were created.",
         "$300.00 was transferred from \"Checking\" to \"Reserve 100%\"."},
        {"a transfer turned around", transfer, Decimal(300), "Two transactions were created.",
         "$300.00 was transferred from \"Reserve 100%\" to \"Checking\"."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Alert notice = PaySheetModel(*c.item).notice(c.amount);
        EXPECT_EQ(notice.message, c.message);
        EXPECT_EQ(notice.informativeText, c.informativeText);
        EXPECT_TRUE(notice.buttons.empty());
    }
}

}  // namespace
