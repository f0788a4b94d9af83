// The budget view inside the main window on the sample: made from the menu, listed and
// selected, renamed in the source list, its limits edited and undone.
#include <QAction>
#include <QDialog>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>

#include "DialogScript.h"
#include "ShellFixture.h"
#include "budgets/Budget.h"
#include "budgets/CategoryLimit.h"
#include "store/ObjectContext.h"
#include "store/UndoGrouping.h"
#include "ui/budgets/BudgetContentController.h"
#include "ui/budgets/BudgetController.h"
#include "ui/budgets/BudgetOutlineModel.h"
#include "ui/budgets/BudgetOutlineView.h"
#include "ui/budgets/LimitSheetController.h"
#include "ui/budgets/NewBudgetController.h"
#include "ui/common/AmountField.h"
#include "ui/common/SidebarButton.h"
#include "ui/common/UserDefaults.h"
#include "ui/shell/AppController.h"
#include "ui/shell/ApplicationDelegate.h"
#include "ui/shell/MainMenu.h"
#include "ui/shell/ViewRouter.h"
#include "ui/sourcelist/SourceListModel.h"
#include "ui/welcome/WelcomeController.h"

namespace {

class BudgetShell : public ShellFixture {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        start();
        m_delegate->welcomeController().showSample();
    }
    AppController& controller() { return m_delegate->appController(); }
    BudgetController& budgetView() {
        return controller()
            .router()
            .controllerAs<BudgetContentController>(ContentView::BudgetView)
            .budgetController();
    }
    Budget* sampleBudget() { return Budget::allInContext(context()).front(); }
    void select(Budget* budget) {
        controller().selectSourceListItem(SourceListItem::forObject(budget));
    }
    // Runs `command` as one user action, the way a menu click is one event.
    void trigger(MenuCommand command) {
        UndoGrouping group(context().undoManager());
        m_menu->trigger(command);
    }
};

TEST_F(BudgetShell, ANewBudgetIsListedSelectedAndShownAndUndoTakesItAway) {
    ASSERT_EQ(controller().budgets().size(), 1U);
    whenDialogNamed("NewBudgetSheet", [](QDialog& dialog) {
        auto& sheet = dynamic_cast<NewBudgetController&>(dialog);
        sheet.nameField()->setText("A Budget");
        whenDialogNamed("BudgetHelp", [](QDialog& help) { help.done(1); });
        sheet.confirmButton()->click();
    });
    trigger(MenuCommand::NewBudget);
    ASSERT_EQ(controller().budgets().size(), 2U);
    // Listed by name, after the sample's "2026 Budget".
    Budget* made = controller().budgets().back();
    EXPECT_EQ(made->name(), "A Budget");
    EXPECT_EQ(controller().selectedSourceListItem().budget(), made);
    EXPECT_EQ(controller().contentView(), &budgetView());
    EXPECT_EQ(budgetView().titleField().text(), "A Budget");
    EXPECT_FALSE(context().hasChanges());

    m_delegate->undo();
    EXPECT_EQ(controller().budgets().size(), 1U);
    EXPECT_TRUE(made->isDeleted());
    EXPECT_EQ(controller().selectedSourceListItem().kind(), SourceListItem::Kind::AllAccounts);
    EXPECT_NE(controller().contentView(), &budgetView());
}

TEST_F(BudgetShell, RenamingInTheSourceListRenamesTheShownBudget) {
    Budget* budget = sampleBudget();
    select(budget);
    const QModelIndex row =
        controller().sourceListModel()->indexForItem(SourceListItem::forObject(budget));
    {
        UndoGrouping group(context().undoManager());
        ASSERT_TRUE(controller().sourceListModel()->setData(row, "Household", Qt::EditRole));
    }
    EXPECT_EQ(budget->name(), "Household");
    EXPECT_EQ(budgetView().titleField().text(), "Household");
    EXPECT_FALSE(context().hasChanges());
    m_delegate->undo();
    EXPECT_NE(budgetView().titleField().text(), "Household");
    EXPECT_EQ(budgetView().titleField().text(), QString::fromStdString(budget->name()));
}

TEST_F(BudgetShell, EditLimitFollowsTheSelectedRowAndUndoPutsTheLimitAndTheViewBack) {
    Budget* budget = sampleBudget();
    select(budget);
    EXPECT_FALSE(m_menu->validate(MenuCommand::EditLimit).isEnabled());
    EXPECT_TRUE(m_menu->validate(MenuCommand::EditBudget).isEnabled());
    BudgetOutlineModel& model = budgetView().outlineModel();
    // The first category of the first group: the largest spending limit's group.
    const QModelIndex group = model.index(0, 0);
    ASSERT_GT(model.rowCount(group), 0);
    const QModelIndex category = model.index(0, 0, group);
    CategoryLimit* limit = model.rowForIndex(category)->categoryLimit;
    const Decimal before = limit->amount();
    const std::string expenseBefore = budgetView().expenseButton().figures().subtitle;
    budgetView().outlineView().expand(group);
    budgetView().outlineView().selectionModel()->select(
        category, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    ASSERT_TRUE(m_menu->validate(MenuCommand::EditLimit).isEnabled());

    // Cancelled after every field was changed: the store is as it was.
    ASSERT_FALSE(context().hasChanges());
    whenDialogNamed("LimitSheet", [](QDialog& dialog) {
        auto& sheet = dynamic_cast<LimitSheetController&>(dialog);
        sheet.incomeButton()->setChecked(true);
        sheet.estimateField()->setValue(Decimal(7));
        sheet.estimateTypeChanged(true);
        sheet.cancel();
    });
    trigger(MenuCommand::EditLimit);
    EXPECT_FALSE(context().hasChanges());
    EXPECT_EQ(limit->amount(), before);

    whenDialogNamed("LimitSheet", [](QDialog& dialog) {
        auto& sheet = dynamic_cast<LimitSheetController&>(dialog);
        EXPECT_TRUE(sheet.spendingButton()->isChecked());
        sheet.estimateField()->setValue(Decimal(1));
        sheet.save();
    });
    trigger(MenuCommand::EditLimit);
    EXPECT_EQ(limit->amount(), Decimal(-1));
    EXPECT_FALSE(context().hasChanges());
    EXPECT_NE(budgetView().expenseButton().figures().subtitle, expenseBefore);

    m_delegate->undo();
    EXPECT_EQ(limit->amount(), before);
    EXPECT_EQ(budgetView().expenseButton().figures().subtitle, expenseBefore);
    const QModelIndex shown = budgetView().outlineModel().indexForLimit(limit);
    ASSERT_TRUE(shown.isValid());
    EXPECT_EQ(shown.siblingAtColumn(BudgetOutlineModel::LimitColumn)
                  .data()
                  .toString()
                  .remove(QRegularExpression("[^0-9]")),
              QString::fromStdString(before.absolute_pn().toString()));
}

}  // namespace
