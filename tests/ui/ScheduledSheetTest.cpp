// The scheduled-item editor: creating and editing, its fields' rules, a refused item that keeps
// the sheet open, and what happens after it closes.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

#include "ScheduledUiFixture.h"
#include "WidgetInput.h"
#include "base/NotificationCenter.h"
#include "ledger/Account.h"
#include "ledger/Category.h"
#include "scheduled/DIWeek.h"
#include "scheduled/ScheduledItem.h"
#include "ui/common/AmountField.h"
#include "ui/common/CategoryField.h"
#include "ui/common/CurrencyField.h"
#include "ui/common/PNDatePicker.h"
#include "ui/scheduled/OnRow.h"
#include "ui/scheduled/ScheduledController.h"
#include "ui/scheduled/ScheduledSheetController.h"

namespace {

class ScheduledSheetTest : public ScheduledUiFixture {
protected:
    ScheduledSheetController& openCreate() {
        list().add();
        ScheduledSheetController* sheet = list().editor();
        EXPECT_TRUE(sheet != nullptr && sheet->isVisible());
        return *sheet;
    }
    // Types into the amount field as a person would: a number typed into the empty field
    // keeps its assumed minus sign unless `replaceSign`.
    static void typeAmount(ScheduledSheetController& sheet, const QString& text,
                           bool replaceSign = false) {
        AmountField* field = sheet.amountField()->amountField();
        focusWidget(field);
        if (replaceSign) {
            field->selectAll();
        }
        typeText(text);
        field->commitEditing();
    }
};

TEST_F(ScheduledSheetTest, CreatingWithTheDefaultsGivesAMonthlyItemAndSelectsIt) {
    addItem("Rent", ymd(2026, 3, 10), "-1150");
    ScheduledSheetController& sheet = openCreate();
    EXPECT_EQ(sheet.headingLabel()->text(), "New Scheduled Transaction");
    EXPECT_EQ(sheet.confirmButton()->text(), "Create");
    EXPECT_EQ(sheet.windowModality(), Qt::WindowModal);
    EXPECT_EQ(sheet.titleField()->text(), "New Transaction");
    EXPECT_FALSE(sheet.noteRow()->isVisibleTo(&sheet));
    EXPECT_EQ(sheet.dueDateField()->dateValue(), ymd(2026, 3, 15));
    EXPECT_EQ(sheet.dueDateLabel()->text(), "Next Due Date:");
    EXPECT_EQ(sheet.unitLabel()->text(), "month");
    EXPECT_EQ(sheet.accountPopUp()->currentText(), "Checking");
    EXPECT_FALSE(sheet.reminderCheckBox()->isChecked());
    EXPECT_FALSE(sheet.reminderDaysField()->isEnabled());
    EXPECT_EQ(sheet.reminderDaysField()->value(), 10);
    EXPECT_EQ(sheet.payAutomaticallyCheckBox()->text(), "Pay automatically");
    EXPECT_FALSE(sheet.addressField()->placeholderText().isEmpty());

    sheet.okay();
    EXPECT_FALSE(sheet.isVisible());
    const std::vector<ScheduledItem*> selected = list().selectedItems();
    ASSERT_EQ(selected.size(), 1u);
    ScheduledItem* created = selected.front();
    EXPECT_EQ(created->title(), "New Transaction");
    EXPECT_EQ(created->repeatType(), std::optional<std::string>("Month"));
    EXPECT_EQ(created->repeatInterval(), 1);
    EXPECT_EQ(created->nextDueDate(), ymd(2026, 3, 15));
    EXPECT_FALSE(created->repeatRules() || created->endsAfter());
    EXPECT_EQ(listedTitles(), QStringList({"Rent", "New Transaction"}));
    EXPECT_FALSE(m_context.hasChanges());
}

TEST_F(ScheduledSheetTest, AMonthlyTransferWithAReminder) {
    ScheduledSheetController& sheet = openCreate();
    sheet.titleField()->setText("Savings");
    typeAmount(sheet, "120", true);
    EXPECT_EQ(sheet.payAutomaticallyCheckBox()->text(), "Deposit automatically");
    // A transfer is kept a payment: the accounts change places and the amount turns negative.
    sheet.transferCheckBox()->click();
    EXPECT_TRUE(sheet.toAccountRow()->isVisibleTo(&sheet));
    EXPECT_EQ(sheet.accountLabel()->text(), "From Account:");
    EXPECT_EQ(sheet.accountPopUp()->currentText(), "Reserve");
    EXPECT_EQ(sheet.toAccountPopUp()->currentText(), "Checking");
    EXPECT_EQ(sheet.amountField()->amountField()->value(), Decimal(-120));
    EXPECT_EQ(sheet.payAutomaticallyCheckBox()->text(), "Pay automatically");
    sheet.reminderCheckBox()->click();
    EXPECT_TRUE(sheet.reminderDaysField()->isEnabled());
    sheet.reminderDaysField()->setValue(3);
    choose(sheet.addressPopUp(), ScheduledItemForm::kInstructionsTag);
    EXPECT_TRUE(sheet.addressField()->placeholderText().isEmpty());
    sheet.addressField()->setText("Standing order at the desk");
    sheet.okay();

    ASSERT_EQ(list().selectedItems().size(), 1u);
    ScheduledItem* item = list().selectedItems().front();
    EXPECT_EQ(item->account(), m_reserve);
    EXPECT_EQ(item->toAccount(), m_checking);
    EXPECT_EQ(item->amount(), Decimal(-120));
    EXPECT_EQ(item->reminderDays(), 3);
    EXPECT_EQ(item->paymentInstructions(),
              std::optional<std::string>("Standing order at the desk"));
    EXPECT_EQ(item->paymentURL(), std::nullopt);
    // The transfer checkbox off removes the destination again.
    list().edit();
    EXPECT_EQ(sheet.headingLabel()->text(), "Edit Scheduled Transaction");
    EXPECT_EQ(sheet.confirmButton()->text(), "Save");
    EXPECT_TRUE(sheet.transferCheckBox()->isChecked());
    sheet.transferCheckBox()->click();
    EXPECT_FALSE(sheet.toAccountRow()->isVisibleTo(&sheet));
    EXPECT_EQ(sheet.accountLabel()->text(), "Account:");
    sheet.cancel();
    EXPECT_EQ(item->toAccount(), m_checking);
}

TEST_F(ScheduledSheetTest, CustomWeeklyRulesAndTheirEnd) {
    ScheduledSheetController& sheet = openCreate();
    const int height = sheet.sizeHint().height();
    choose(sheet.repeatTypePopUp(), RepeatForm::kWeeklyTag);
    EXPECT_EQ(sheet.unitLabel()->text(), "week");
    sheet.intervalField()->setValue(2);
    EXPECT_EQ(sheet.unitLabel()->text(), "weeks");
    sheet.customRulesButton()->click();
    ASSERT_EQ(sheet.onRows().size(), 1u);
    EXPECT_TRUE(sheet.endsRow()->isVisibleTo(&sheet));
    // 15 March 2026 is a Sunday: the row starts there, alone, offering only to add.
    OnRow* first = sheet.onRows()[0];
    EXPECT_EQ(first->label()->text(), "On:");
    EXPECT_EQ(first->popUp()->currentData().toInt(), 1);
    EXPECT_EQ(first->popUp()->count(), 7);
    EXPECT_FALSE(first->removeButton()->isVisibleTo(&sheet));
    first->addButton()->click();
    ASSERT_EQ(sheet.onRows().size(), 2u);
    EXPECT_EQ(sheet.onRows()[1]->label()->text(), "And On:");
    EXPECT_TRUE(first->removeButton()->isVisibleTo(&sheet));
    EXPECT_FALSE(first->addButton()->isVisibleTo(&sheet));
    choose(sheet.onRows()[0]->popUp(), 2);  // Monday
    choose(sheet.onRows()[1]->popUp(), 6);  // Friday
    choose(sheet.endsPopUp(), RepeatForm::kEndsAfterTag);
    EXPECT_EQ(sheet.endsCountField()->value(), 10);
    EXPECT_EQ(sheet.endsCountLabel()->text(), "times");
    sheet.endsCountField()->setValue(1);
    EXPECT_EQ(sheet.endsCountLabel()->text(), "time");
    sheet.endsCountField()->setValue(4);
    // Two rule rows and the ends row, 30 points each.
    EXPECT_EQ(sheet.sizeHint().height(), height + 3 * 30);
    sheet.okay();

    ScheduledItem* item = list().selectedItems().at(0);
    EXPECT_EQ(item->repeatType(), std::optional<std::string>("Week"));
    EXPECT_EQ(item->repeatInterval(), 2);
    EXPECT_EQ(item->repeatRules(), (std::vector<RepeatRule>{DIWeek(2), DIWeek(6)}));
    EXPECT_EQ(item->endsAfter(), 4);
    EXPECT_EQ(item->nextDueDate(), ymd(2026, 3, 16));

    // Hiding the rules again stores none and no end.
    list().edit();
    EXPECT_EQ(sheet.onRows().size(), 2u);
    EXPECT_EQ(sheet.endsPopUp()->currentData().toInt(), RepeatForm::kEndsAfterTag);
    sheet.customRulesButton()->click();
    EXPECT_TRUE(sheet.onRows().empty());
    EXPECT_FALSE(sheet.endsRow()->isVisibleTo(&sheet));
    sheet.okay();
    EXPECT_EQ(item->repeatRules(), std::nullopt);
    EXPECT_EQ(item->endsAfter(), std::nullopt);
}

TEST_F(ScheduledSheetTest, PayingAutomaticallyTurnsTheReminderOff) {
    ScheduledSheetController& sheet = openCreate();
    sheet.reminderCheckBox()->click();
    sheet.reminderDaysField()->setValue(4);
    sheet.payAutomaticallyCheckBox()->click();
    EXPECT_FALSE(sheet.reminderCheckBox()->isChecked());
    EXPECT_FALSE(sheet.reminderCheckBox()->isEnabled());
    EXPECT_FALSE(sheet.reminderDaysField()->isEnabled());
    EXPECT_EQ(sheet.reminderDaysField()->value(), 10);
    sheet.payAutomaticallyCheckBox()->click();
    EXPECT_FALSE(sheet.reminderCheckBox()->isChecked());
    EXPECT_TRUE(sheet.reminderCheckBox()->isEnabled());
    sheet.cancel();
    EXPECT_TRUE(listedTitles().isEmpty());
}

// An item stored with both a reminder and automatic payment (written by another program) is
// refused until one goes; the sheet stays open with what was typed, and nothing changes.
TEST_F(ScheduledSheetTest, ARefusedItemKeepsTheSheetOpenAndTheStoreAsItWas) {
    ScheduledItem* gym = addItem("Gym", ymd(2026, 3, 20), "-39");
    gym->setPayAutomatically(true);
    gym->setReminderDays(3);
    list().refreshView();
    list().selectItem(*gym);
    list().edit();
    ScheduledSheetController& sheet = *list().editor();
    EXPECT_TRUE(sheet.reminderCheckBox()->isChecked());
    EXPECT_FALSE(sheet.reminderCheckBox()->isEnabled());
    sheet.titleField()->setText("Peak Fitness");
    const int saves = m_host->saves;
    sheet.okay();
    EXPECT_TRUE(sheet.isVisible());
    ASSERT_EQ(m_alerts.shown.size(), 1u);
    EXPECT_EQ(m_alerts.shown[0].message, "An internal error has occurred. (Code: ABEFA)");
    EXPECT_EQ(sheet.titleField()->text(), "Peak Fitness");
    EXPECT_EQ(gym->title(), "Gym");
    EXPECT_EQ(m_host->saves, saves);

    // Turning automatic payment off leaves the reminder, which now passes.
    sheet.payAutomaticallyCheckBox()->click();
    sheet.okay();
    EXPECT_FALSE(sheet.isVisible());
    EXPECT_EQ(gym->title(), "Peak Fitness");
    EXPECT_FALSE(gym->payAutomatically());
    EXPECT_EQ(gym->reminderDays(), 3);
    EXPECT_FALSE(m_context.hasChanges());
}

TEST_F(ScheduledSheetTest, AfterTheEditorTheDueAutomaticItemIsPaidAndRemindersShown) {
    addItem("Water", ymd(2026, 3, 17), "-40")->setReminderDays(2);
    ASSERT_FALSE(m_context.save());
    int categoriesChanged = 0;
    NotificationObserver observer = NotificationCenter::defaultCenter().observe(
        kPNCategoriesChanged, [&](auto&) { ++categoriesChanged; });
    ScheduledSheetController& sheet = openCreate();
    sheet.titleField()->setText("Gym");
    typeAmount(sheet, "39");
    sheet.dueDateField()->setDateValue(ymd(2026, 2, 15));
    sheet.payAutomaticallyCheckBox()->click();
    sheet.okay();

    // Paid for 15 February and 15 March, now due in April.
    EXPECT_EQ(transactionsOf(*m_checking),
              QStringList({"2026-02-15 -39.00 real", "2026-03-15 -39.00 real"}));
    EXPECT_EQ(listedTitles(), QStringList({"Water", "Gym"}));
    EXPECT_EQ(categoriesChanged, 1);
    ASSERT_EQ(m_alerts.shown.size(), 1u);
    EXPECT_EQ(m_alerts.texts()[0], "1 scheduled transaction is due. | \"Water\" is due in 2 days.");
    EXPECT_FALSE(m_context.hasChanges());
}

}  // namespace
