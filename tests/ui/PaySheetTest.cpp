// The pay sheet and the reminders as a person meets them.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

#include "ScheduledUiFixture.h"
#include "WidgetInput.h"
#include "ledger/Account.h"
#include "ledger/Category.h"
#include "ledger/Global.h"
#include "ledger/Transaction.h"
#include "scheduled/ScheduledItem.h"
#include "store/InMemoryStore.h"
#include "ui/common/AmountField.h"
#include "ui/common/CategoryField.h"
#include "ui/common/CheckNumberField.h"
#include "ui/common/CurrencyField.h"
#include "ui/common/DefaultsKeys.h"
#include "ui/common/PNDatePicker.h"
#include "ui/common/UserDefaults.h"
#include "ui/scheduled/LinkButton.h"
#include "ui/scheduled/PayController.h"
#include "ui/scheduled/ScheduledController.h"
#include "ui/scheduled/ScheduledDueHandler.h"

namespace {

class PaySheetTest : public ScheduledUiFixture {
protected:
    PayController& openPay(ScheduledItem& item) {
        list().payItem(item);
        PayController* sheet = list().payController();
        EXPECT_TRUE(sheet != nullptr && sheet->isVisible());
        return *sheet;
    }
    static void typeAmount(PayController& sheet, const QString& text) {
        AmountField* field = sheet.amountField()->amountField();
        focusWidget(field);
        field->selectAll();
        typeText(text);
        field->commitEditing();
    }
};

TEST_F(PaySheetTest, PayingAnotherAmountOnAnotherDayReplacesTheProjection) {
    ScheduledItem* water = addItem("Water", ymd(2026, 3, 10), "-80");
    Global::sharedInstanceInContext(m_context)->setProjectedMonths(2);
    ScheduledItem::generateProjections(m_context, ymd(2026, 3, 15));
    ASSERT_FALSE(m_context.save());
    EXPECT_EQ(transactionsOf(*m_checking),
              QStringList({"2026-03-10 -80.00 generated", "2026-04-10 -80.00 generated"}));

    PayController& sheet = openPay(*water);
    EXPECT_EQ(sheet.windowModality(), Qt::WindowModal);
    EXPECT_EQ(sheet.headingLabel()->text(), "Pay Water");
    EXPECT_EQ(sheet.dueLabel()->text(), "due: Mar 10, 2026");
    EXPECT_EQ(sheet.dateField()->dateValue(), ymd(2026, 3, 15));
    EXPECT_EQ(sheet.amountField()->amountField()->value(), Decimal(-80));
    EXPECT_EQ(sheet.confirmButton()->text(), "Pay");
    EXPECT_FALSE(sheet.linkButton()->isVisibleTo(&sheet));
    EXPECT_FALSE(sheet.instructionsLabel()->isVisibleTo(&sheet));
    typeAmount(sheet, "-85.5");
    sheet.dateField()->setDateValue(ymd(2026, 3, 14));
    sheet.checkNumberField()->setCheckNumber(1042);
    sheet.notesField()->setText("Meter read late");
    sheet.okay();

    EXPECT_FALSE(sheet.isVisible());
    EXPECT_EQ(transactionsOf(*m_checking),
              QStringList({"2026-03-14 -85.50 real", "2026-04-10 -80.00 generated"}));
    const Transaction* paid = m_checking->orderedTransactions().back();
    EXPECT_EQ(paid->checkNumber(), 1042);
    EXPECT_EQ(paid->notes(), std::optional<std::string>("Meter read late"));
    EXPECT_EQ(water->nextDueDate(), ymd(2026, 4, 10));
    EXPECT_EQ(listedTitles(), QStringList({"Water"}));
    EXPECT_FALSE(m_context.hasChanges());
    ASSERT_EQ(m_alerts.shown.size(), 1u);
    EXPECT_EQ(m_alerts.texts()[0],
              "One transaction was created. | A transaction with the amount of -$85.50 has "
              "been added to \"Checking\".");
    EXPECT_EQ(m_alerts.shown[0].suppressionText, "Do not show this message again");
}

TEST_F(PaySheetTest, ReturnInTheCategoryFieldDoesNotPayButReturnElsewhereDoes) {
    ScheduledItem* water = addItem("Water", ymd(2026, 3, 10), "-80");
    PayController& sheet = openPay(*water);
    focusWidget(sheet.categoryField()->textField());
    pressKey(Qt::Key_Return);
    EXPECT_TRUE(sheet.isVisible());
    pressKey(Qt::Key_Enter);
    EXPECT_TRUE(sheet.isVisible());
    EXPECT_EQ(water->nextDueDate(), ymd(2026, 3, 10));

    focusWidget(sheet.notesField());
    pressKey(Qt::Key_Return);
    EXPECT_FALSE(sheet.isVisible());
    EXPECT_EQ(water->nextDueDate(), ymd(2026, 4, 10));
}

TEST_F(PaySheetTest, TheNoticeStaysAwayOnceSuppressed) {
    ScheduledItem* water = addItem("Water", ymd(2026, 3, 10), "-80");
    m_alerts.answers = {{0, true}};
    openPay(*water).okay();
    EXPECT_EQ(m_alerts.shown.size(), 1u);
    EXPECT_FALSE(m_defaults->boolForKey(DefaultsKeys::kShouldShowPaymentNotice));
    openPay(*water).okay();
    EXPECT_EQ(m_alerts.shown.size(), 1u);
    EXPECT_EQ(transactionsOf(*m_checking),
              QStringList({"2026-03-15 -80.00 real", "2026-03-15 -80.00 real"}));
    EXPECT_EQ(water->nextDueDate(), ymd(2026, 5, 10));
}

// What changes while the sheet is open is one unit with the payment: a category created in it
// goes with Cancel; a save asked for elsewhere meanwhile is written when the sheet is confirmed,
// and when that write fails the sheet stays open with the error shown, to be confirmed again.
TEST_F(PaySheetTest, ChangesWhileTheSheetIsOpenGoWithItsCancelAndAreWrittenByItsConfirm) {
    ScheduledItem* water = addItem("Water", ymd(2026, 3, 10), "-80");
    ASSERT_FALSE(m_context.save());
    PayController& sheet = openPay(*water);
    CategoryField* field = sheet.categoryField();
    focusWidget(field->textField());
    field->textField()->selectAll();
    typeText("Books");
    field->commitEditing();  // the question's default button creates it
    ASSERT_NE(Category::findByName("Books", m_context), nullptr);
    sheet.cancel();
    EXPECT_EQ(Category::findByName("Books", m_context), nullptr);
    EXPECT_FALSE(m_context.hasChanges());
    EXPECT_TRUE(transactionsOf(*m_checking).isEmpty());

    openPay(*water);
    m_reserve->setName("Savings");
    ASSERT_FALSE(m_context.save());  // held back by the open sheet
    EXPECT_TRUE(m_context.hasChanges());
    m_memory->failNextSave(ValidationError{"Test", 1, "The disk is full.", {}, {}});
    m_alerts.shown.clear();
    sheet.okay();
    EXPECT_TRUE(sheet.isVisible());
    ASSERT_EQ(m_alerts.shown.size(), 1u);
    EXPECT_EQ(m_alerts.shown[0].message, "The disk is full.");
    EXPECT_TRUE(transactionsOf(*m_checking).isEmpty());

    sheet.okay();
    EXPECT_FALSE(sheet.isVisible());
    EXPECT_EQ(transactionsOf(*m_checking), QStringList({"2026-03-15 -80.00 real"}));
    EXPECT_EQ(m_reserve->name(), "Savings");
    EXPECT_FALSE(m_context.hasChanges());
}

TEST_F(PaySheetTest, QuestionsKeepTheSheetOpenUntilAnswered) {
    ScheduledItem* water = addItem("Water", ymd(2026, 3, 10), "-80");
    PayController& sheet = openPay(*water);
    sheet.amountField()->amountField()->setValue(std::nullopt);
    sheet.okay();
    EXPECT_TRUE(sheet.isVisible());
    EXPECT_EQ(m_alerts.texts().back(),
              "Please specify the amount of your payment. | You must confirm the amount of "
              "your payment.");
    typeAmount(sheet, "25");
    m_alerts.answers = {{1, false}};  // Cancel
    sheet.okay();
    EXPECT_TRUE(sheet.isVisible());
    EXPECT_EQ(m_alerts.shown.back().message, "Are you sure you want to make a deposit?");
    EXPECT_TRUE(transactionsOf(*m_checking).isEmpty());
    sheet.cancel();
    EXPECT_EQ(water->nextDueDate(), ymd(2026, 3, 10));

    // A transfer paid the other way round goes from the destination, as the notice says.
    ScheduledItem* savings = addItem("Savings", ymd(2026, 3, 12), "-300");
    savings->setToAccount(m_reserve);
    PayController& transfer = openPay(*savings);
    typeAmount(transfer, "300");
    m_alerts.answers = {{0, false}, {0, false}};
    transfer.okay();
    EXPECT_FALSE(transfer.isVisible());
    const QStringList texts = m_alerts.texts();
    EXPECT_EQ(texts[texts.size() - 2],
              "Are you sure you want to specify a positive amount for the transfer? | "
              "Specifying a positive amount will cause the transfer to occur in the opposite "
              "direction. In this case, money will be transfered from the account \"Reserve\" "
              "to the account \"Checking\".");
    EXPECT_EQ(texts.back(),
              "Two transactions were created. | $300.00 was transferred from \"Reserve\" to "
              "\"Checking\".");
    EXPECT_EQ(transactionsOf(*m_reserve), QStringList({"2026-03-15 -300.00 real"}));
}

TEST_F(PaySheetTest, APaymentAddressIsALinkAndInstructionsAreShown) {
    ScheduledItem* water = addItem("Water", ymd(2026, 3, 10), "-80");
    water->setPaymentURL(std::string("https://water.example/pay//"));
    PayController& sheet = openPay(*water);
    ASSERT_TRUE(sheet.linkButton()->isVisibleTo(&sheet));
    EXPECT_EQ(sheet.linkButton()->text(), "water.example/pay");
    sheet.linkButton()->click();
    ASSERT_EQ(m_urls.opened.size(), 1u);
    EXPECT_EQ(m_urls.opened[0], QUrl("http://water.example/pay"));
    sheet.cancel();

    ScheduledItem* payroll = addItem("Payroll", ymd(2026, 3, 13), "1925.4", "Week");
    payroll->setPaymentInstructions(std::string("Cash the cheque at the desk"));
    PayController& deposit = openPay(*payroll);
    EXPECT_FALSE(deposit.linkButton()->isVisibleTo(&deposit));
    EXPECT_TRUE(deposit.instructionsLabel()->isVisibleTo(&deposit));
    EXPECT_EQ(deposit.instructionsLabel()->text(), "Cash the cheque at the desk");
    EXPECT_EQ(deposit.headingLabel()->text(), "Deposit Payroll");
    EXPECT_EQ(deposit.confirmButton()->text(), "Deposit");
    EXPECT_FALSE(deposit.amountField()->amountField()->shouldAssumeSign());
    deposit.cancel();
}

TEST_F(PaySheetTest, RemindersNameEachItemOncePerDueDateWithLongTitlesCut) {
    ScheduledItem* exact = addItem("Greenleaf Property Rent 1", ymd(2026, 3, 17), "-1150");
    exact->setReminderDays(2);
    ScheduledItem* longer = addItem("Greenleaf Property Rent 12", ymd(2026, 3, 14), "-80");
    longer->setReminderDays(1);
    ASSERT_FALSE(m_context.save());
    ScheduledDueHandler& due = list().dueHandler();
    QSignalSpy showList(&due, &ScheduledDueHandler::showScheduledRequested);
    m_alerts.answers = {{1, false}};  // Show in Scheduled
    due.showReminders(ymd(2026, 3, 15));
    ASSERT_EQ(m_alerts.shown.size(), 1u);
    EXPECT_EQ(m_alerts.shown[0].message, "2 scheduled transactions are due.");
    EXPECT_EQ(m_alerts.shown[0].informativeText,
              "\"Greenleaf Property Rent 1\" is due in 2 days.\n"
              "\"Greenleaf Property Ren...\" was due yesterday.");
    EXPECT_EQ(m_alerts.shown[0].buttons, QStringList({"OK", "Show in Scheduled"}));
    EXPECT_EQ(showList.count(), 1);
    ASSERT_EQ(m_host->selected.size(), 1u);
    EXPECT_EQ(m_host->selected[0].kind(), SourceListItem::Kind::Scheduled);
    EXPECT_FALSE(m_context.hasChanges());

    // Not again that day nor the next; paying the one item brings it back for its next date.
    due.showReminders(ymd(2026, 3, 15));
    due.showReminders(ymd(2026, 3, 16));
    EXPECT_EQ(m_alerts.shown.size(), 1u);
    exact->payWithCurrentValues();
    QSignalSpy reveal(&due, &ScheduledDueHandler::revealItemRequested);
    m_alerts.answers = {{1, false}};
    due.showReminders(ymd(2026, 4, 15));
    ASSERT_EQ(m_alerts.shown.size(), 2u);
    EXPECT_EQ(m_alerts.texts()[1],
              "1 scheduled transaction is due. | \"Greenleaf Property Rent 1\" is due in 2 "
              "days.");
    ASSERT_EQ(reveal.count(), 1);
    EXPECT_EQ(m_host->revealed, std::vector<ScheduledItem*>{exact});
}

}  // namespace
