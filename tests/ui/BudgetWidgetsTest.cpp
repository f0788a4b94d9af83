// The budget view and its sheets, offscreen, with scripted alerts and a stand-in register.
#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "../budgets/BudgetTestStore.h"
#include "DialogScript.h"
#include "FakeTransactionList.h"
#include "ShellFixture.h"
#include "base/Clock.h"
#include "budgets/Budget.h"
#include "budgets/CategoryLimit.h"
#include "ledger/Category.h"
#include "ledger/CategoryGroup.h"
#include "ledger/Transaction.h"
#include "ui/budgets/BudgetController.h"
#include "ui/budgets/BudgetOutlineModel.h"
#include "ui/budgets/BudgetOutlineView.h"
#include "ui/budgets/EditBudgetController.h"
#include "ui/budgets/LimitSheetController.h"
#include "ui/budgets/NewBudgetController.h"
#include "ui/common/AmountField.h"
#include "ui/common/BreadcrumbPath.h"
#include "ui/common/PNDatePicker.h"
#include "ui/common/SidebarButton.h"
#include "ui/common/UserDefaults.h"
#include "ui/shell/ApplicationDelegate.h"
#include "ui/summary/SummaryBox.h"
#include "ui/summary/SummaryController.h"

namespace {

using S = ReportTestStore;

void mouse(QWidget* widget, QEvent::Type type, QPointF position) {
    QMouseEvent event(type, position, widget->mapToGlobal(position),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      type == QEvent::MouseButtonRelease || type == QEvent::MouseMove
                          ? Qt::NoButton
                          : Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void click(QWidget* widget, QPointF position) {
    mouse(widget, QEvent::MouseButtonPress, position);
    mouse(widget, QEvent::MouseButtonRelease, position);
}

// Today is 15 March 2026 (ShellFixture). A 12-month budget from 15 September 2025: Home (Rent
// 1200 spent of 1200), Food (750 of 600: over), Dining (450 of 600), 20 uncategorized, and
// Salary (1500 of an income goal of 3000).
class BudgetWidgets : public ShellFixture {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        Account* checking = m_store.account("Checking");
        CategoryGroup* home = m_store.group("Home");
        m_rent = m_store.category("Rent", home);
        m_food = m_store.category("Food");
        m_dining = m_store.category("Dining");
        m_salary = m_store.category("Salary");
        m_store.add(checking, S::day(2025, 10, 1), "-1200", m_rent);
        m_store.add(checking, S::day(2025, 11, 2), "-750", m_food);
        m_store.add(checking, S::day(2025, 12, 3), "-450", m_dining);
        m_store.add(checking, S::day(2026, 1, 4), "-20", nullptr);
        m_store.add(checking, S::day(2026, 2, 5), "1500", m_salary);
        m_store.add(checking, S::day(2025, 9, 1), "-99", m_food);  // before the start
        m_budget = m_store.budget(S::day(2025, 9, 15), 12);
        for (const auto& [category, amount] : {std::pair{m_rent, "-1200"},
                                               {m_food, "-600"},
                                               {m_dining, "-600"},
                                               {m_salary, "3000"}}) {
            auto* limit = m_store.context().insert<CategoryLimit>();
            limit->setCategory(category);
            limit->setAmount(S::dec(amount));
            m_budget->addCategoryLimitsObject(limit);
        }
        m_controller =
            std::make_unique<BudgetController>(m_store.context(), m_alerts, m_lists.factory());
        QObject::connect(m_controller.get(), &BudgetController::storeSaveRequested,
                         [this] { ++m_saves; });
        m_controller->resize(760, 460);
        m_tester = std::make_unique<QAbstractItemModelTester>(
            &m_controller->outlineModel(), QAbstractItemModelTester::FailureReportingMode::Fatal);
        showBudget();
    }
    void TearDown() override {
        m_tester.reset();
        m_controller.reset();
        ShellFixture::TearDown();
    }

    void showBudget() {
        m_controller->setBudget(m_budget);
        m_controller->setup();
        focusController();
    }
    void focusController() {
        m_controller->show();
        QApplication::setActiveWindow(m_controller.get());
        QApplication::processEvents();
    }

    BudgetOutlineModel& model() { return m_controller->outlineModel(); }
    BudgetOutlineView& view() { return m_controller->outlineView(); }
    QModelIndex rowNamed(const QString& name) {
        const QModelIndexList found = model().match(model().index(0, 0), Qt::DisplayRole, name, 1,
                                                    Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? QModelIndex() : found.front();
    }
    // The outline's top-level names in order.
    QStringList topLevelNames() {
        QStringList names;
        for (int row = 0; row < model().rowCount(); ++row) {
            names << model().index(row, 0).data().toString();
        }
        return names;
    }
    QColor pixelAt(QPointF point) {
        const QImage image = view().viewport()->grab().toImage();
        return image.pixelColor(point.toPoint());
    }
    // Opens the limit sheet of `name` and lets `fill` work on it before "Save".
    void editLimit(const QString& name, const std::function<void(LimitSheetController&)>& fill) {
        whenDialogNamed("LimitSheet", [fill](QDialog& dialog) {
            auto& sheet = dynamic_cast<LimitSheetController&>(dialog);
            fill(sheet);
        });
        m_controller->showEditSheetForLimit(rowNamed(name));
    }

    BudgetTestStore m_store;
    Category* m_rent = nullptr;
    Category* m_food = nullptr;
    Category* m_dining = nullptr;
    Category* m_salary = nullptr;
    Budget* m_budget = nullptr;
    FakeTransactionLists m_lists;
    std::unique_ptr<BudgetController> m_controller;
    std::unique_ptr<QAbstractItemModelTester> m_tester;
    int m_saves = 0;
};

TEST_F(BudgetWidgets, ShowsTheExpenseSideLargestLimitFirstWithTheTotalLast) {
    EXPECT_EQ(m_controller->titleField().text(), "Test Budget");
    EXPECT_EQ(m_controller->monthsLeftField().text(), "6 months left");
    EXPECT_EQ(topLevelNames(), QStringList({"Home", "Food", "Dining", "Uncategorized", "Total"}));
    EXPECT_EQ(model().index(1, BudgetOutlineModel::LimitColumn).data().toString(), "$600");
    EXPECT_EQ(model().headerData(BudgetOutlineModel::ActualColumn, Qt::Horizontal, Qt::DisplayRole),
              "So far you've spent");
    EXPECT_EQ(m_controller->expenseButton().figures().subtitle, "$2,400");
    EXPECT_EQ(m_controller->incomeButton().figures().subtitle, "$3,000");
    EXPECT_EQ(m_controller->summaryButton().title(), "You'll Save");
    EXPECT_EQ(m_controller->summaryButton().figures().subtitle, "$600");

    // The header sorts by the limit only: smallest first, then largest first again.
    view().header()->sectionClicked(BudgetOutlineModel::LimitColumn);
    EXPECT_EQ(topLevelNames(), QStringList({"Uncategorized", "Food", "Dining", "Home", "Total"}));
    view().header()->sectionClicked(BudgetOutlineModel::CategoryColumn);
    EXPECT_EQ(view().sortAscending(), std::optional<bool>(true));
    view().header()->sectionClicked(BudgetOutlineModel::LimitColumn);
    EXPECT_EQ(topLevelNames(), QStringList({"Home", "Food", "Dining", "Uncategorized", "Total"}));

    m_controller->switchToIncome();
    EXPECT_EQ(topLevelNames(), QStringList({"Salary", "Total"}));
    EXPECT_EQ(model().headerData(BudgetOutlineModel::ActualColumn, Qt::Horizontal, Qt::DisplayRole),
              "So far you've earned");
    EXPECT_GE(m_saves, 2);
}

TEST_F(BudgetWidgets, GroupsToggleOnAClickAndOnlyCategoriesAreSelected) {
    const QModelIndex home = rowNamed("Home");
    EXPECT_FALSE(view().isExpanded(home));
    const QRectF homeButton = BudgetBarCell::buttonRectForFrame(view().barCellFrame(home));
    // Where a category's zoom button would be, a group row takes an ordinary click.
    click(view().viewport(), homeButton.center());
    EXPECT_TRUE(view().isExpanded(home));
    EXPECT_TRUE(m_lists.made.empty());
    EXPECT_FALSE(view().selectionModel()->isSelected(home));
    click(view().viewport(), view().visualRect(home).center());
    EXPECT_FALSE(view().isExpanded(home));

    click(view().viewport(), view().visualRect(rowNamed("Total")).center());
    EXPECT_FALSE(m_controller->canEditLimit());
    click(view().viewport(), view().visualRect(rowNamed("Food")).center());
    EXPECT_TRUE(m_controller->canEditLimit());
}

TEST_F(BudgetWidgets, BarsAreGreenWithinTheLimitAndRedPastASpendingLimit) {
    const QRectF food = view().barCellFrame(rowNamed("Food"));
    const QRectF dining = view().barCellFrame(rowNamed("Dining"));
    const QColor over = pixelAt({food.x() + food.width() / 2, food.y() + 8});
    EXPECT_GT(over.red(), over.green() + 60) << over.name().toStdString();
    // 450 of 600: green over the first three quarters, grey track after them.
    const qreal bar = dining.width() - 20;
    const QColor within = pixelAt({dining.x() + bar * 0.6, dining.y() + 8});
    EXPECT_GT(within.green(), within.red() + 40) << within.name().toStdString();
    const QColor track = pixelAt({dining.x() + bar * 0.9, dining.y() + 8});
    EXPECT_LT(std::abs(track.red() - track.green()), 12) << track.name().toStdString();
    // Income above nothing but below its goal is never red.
    m_controller->switchToIncome();
    const QRectF salary = view().barCellFrame(rowNamed("Salary"));
    const QColor income = pixelAt({salary.x() + 20, salary.y() + 8});
    EXPECT_GT(income.green(), income.red() + 40) << income.name().toStdString();
}

TEST_F(BudgetWidgets, HoveringABarShowsItsAmountAndTheZoomButtonListsItsTransactions) {
    const QModelIndex food = rowNamed("Food");
    const QRectF frame = view().barCellFrame(food);
    mouse(view().viewport(), QEvent::MouseMove, frame.topLeft() + QPointF(30, 5));
    EXPECT_EQ(view().mouseOverRow(), food);
    EXPECT_FALSE(view().mouseOverButton().isValid());
    EXPECT_EQ(food.siblingAtColumn(BudgetOutlineModel::ActualColumn)
                  .data(BudgetOutlineModel::ProgressMessageRole)
                  .toString(),
              "$750.00 ($150.00 over)");
    EXPECT_EQ(rowNamed("Uncategorized")
                  .siblingAtColumn(BudgetOutlineModel::ActualColumn)
                  .data(BudgetOutlineModel::ProgressMessageRole)
                  .toString(),
              "$20.00 ($20.00 over)");
    const QPointF button = BudgetBarCell::buttonRectForFrame(frame).center();
    mouse(view().viewport(), QEvent::MouseMove, button);
    EXPECT_EQ(view().mouseOverButton(), food);

    click(view().viewport(), view().visualRect(rowNamed("Dining")).center());
    const QModelIndex selectedBefore = view().selectionModel()->selectedRows().value(0);
    click(view().viewport(), button);
    ASSERT_EQ(m_lists.made.size(), 1U);
    EXPECT_EQ(m_controller->currentContent(), m_controller->transactionsContainer());
    EXPECT_EQ(m_controller->shownListCommands(), &m_lists.made[0]->commands());
    EXPECT_EQ(view().selectionModel()->selectedRows().value(0), selectedBefore);
    // Only the period's transaction: the one of 1 September lies before the start.
    ASSERT_EQ(m_lists.made[0]->shown.size(), 1U);
    EXPECT_EQ(m_lists.made[0]->shown[0]->amount(), S::dec("-750"));
    const auto& crumbs = m_controller->breadcrumbPath().crumbs();
    ASSERT_EQ(crumbs.size(), 2U);
    EXPECT_EQ(crumbs[0].name, "Expense");
    EXPECT_EQ(crumbs[1].name, "Food");
    EXPECT_EQ(m_controller->currentCategory(), m_food);

    m_lists.made[0]->closeEditor(m_lists.made[0]->shown[0]);
    EXPECT_TRUE(m_lists.made[0]->reloaded.has_value());
    m_controller->clickedCrumb(crumbs[0]);
    EXPECT_EQ(m_controller->currentContent(), &view());
    EXPECT_EQ(m_controller->shownListCommands(), nullptr);
    EXPECT_EQ(m_controller->currentCategory(), nullptr);

    // "Uncategorized" lists the splits without a category.
    m_controller->zoomClickedForRow(rowNamed("Uncategorized"));
    EXPECT_EQ(m_controller->breadcrumbPath().crumbs().back().name, "Uncategorized");
    ASSERT_EQ(m_lists.made[0]->shown.size(), 1U);
    EXPECT_EQ(m_lists.made[0]->shown[0]->amount(), S::dec("-20"));
}

TEST_F(BudgetWidgets, TheNeedleStandsAtTheShareOfThePeriodPassedWhileTheBudgetRuns) {
    // 181 of the 364 days from 15 September to 14 September have passed.
    EXPECT_TRUE(view().shouldDrawNeedle());
    EXPECT_FLOAT_EQ(view().needlePercentage(), 181.0F / 364.0F);
    const qreal columnX = view().columnViewportPosition(BudgetOutlineModel::ActualColumn);
    const qreal columnWidth = view().columnWidth(BudgetOutlineModel::ActualColumn);
    const qreal expected = columnX + 4.5 + std::ceil(181.0 / 364.0 * (columnWidth - 29));
    ASSERT_TRUE(view().needleX().has_value());
    EXPECT_DOUBLE_EQ(*view().needleX(), expected);
    // The line crosses the gap between two rows in a grey of the scale's colour.
    const QRect food = view().visualRect(rowNamed("Food"));
    // The line is one pixel wide, the column left of x.
    const QColor line = pixelAt({expected - 0.5, food.bottom() - 3.0});
    EXPECT_LT(line.lightness(), 235) << line.name().toStdString();
    EXPECT_EQ(pixelAt({expected + 2.5, food.bottom() - 3.0}), QColor(Qt::white));

    Clock::setFixedToday(S::day(2026, 9, 15));  // the day after the end
    m_controller->setup(true);
    EXPECT_FALSE(view().needleX().has_value());
    EXPECT_EQ(m_controller->monthsLeftField().text(), "This budget's period has ended");
    EXPECT_TRUE(m_controller->monthsLeftField().styleSheet().contains("F3D635"));
    EXPECT_EQ(model().headerData(BudgetOutlineModel::ActualColumn, Qt::Horizontal, Qt::DisplayRole),
              "Actual spending");
}

TEST_F(BudgetWidgets, ASpendingLimitMadeAnIncomeGoalMovesToTheIncomeSide) {
    view().expand(rowNamed("Home"));
    editLimit("Food", [](LimitSheetController& sheet) {
        EXPECT_EQ(sheet.titleLabel()->text(), "Food Budget");
        EXPECT_TRUE(sheet.spendingButton()->isChecked());
        EXPECT_EQ(sheet.estimateField()->text(), "600");
        sheet.incomeButton()->setChecked(true);
        sheet.estimateField()->setValue(S::dec("600"));
        sheet.notesField()->setPlainText("side job");
        sheet.save();
    });
    EXPECT_EQ(topLevelNames(), QStringList({"Home", "Dining", "Uncategorized", "Total"}));
    EXPECT_TRUE(view().isExpanded(rowNamed("Home")));  // the edit kept the expansion
    EXPECT_FALSE(view().sortAscending().has_value());
    EXPECT_EQ(m_controller->expenseButton().figures().subtitle, "$1,800");
    EXPECT_EQ(m_controller->incomeButton().figures().subtitle, "$3,600");
    m_controller->switchToIncome();
    EXPECT_EQ(topLevelNames(), QStringList({"Salary", "Food", "Total"}));
    EXPECT_EQ(rowNamed("Food").data(BudgetOutlineModel::NotesRole).toString(), "side job");

    // Back to zero: an income goal of nothing is a spending limit.
    editLimit("Food", [](LimitSheetController& sheet) {
        EXPECT_TRUE(sheet.incomeButton()->isChecked());
        sheet.estimateField()->setValue(Decimal());
        sheet.save();
    });
    EXPECT_EQ(topLevelNames(), QStringList({"Salary", "Total"}));
    EXPECT_TRUE(m_budget->limitForCategory(*m_food)->isExpense());
    EXPECT_EQ(m_controller->incomeButton().figures().subtitle, "$3,000");
}

TEST_F(BudgetWidgets, MonthlyAmountsAreShownPerMonthAndMultipliedWhenSaved) {
    CategoryLimit* dining = m_budget->limitForCategory(*m_dining);
    dining->setAmount(S::dec("-1000"));
    dining->setShowMonthlyAmount(true);
    m_controller->setup(true);
    editLimit("Dining", [](LimitSheetController& sheet) {
        EXPECT_EQ(sheet.estimateTypePopup()->currentIndex(), 1);
        EXPECT_EQ(sheet.estimateField()->text(), "83");
        sheet.estimateTypeChanged(false);
        EXPECT_EQ(sheet.estimateField()->text(), "996");
        sheet.estimateTypeChanged(true);
        EXPECT_EQ(sheet.estimateField()->text(), "83");
        sheet.save();
    });
    EXPECT_EQ(dining->amount(), S::dec("-996"));
    EXPECT_TRUE(dining->showMonthlyAmount());
    EXPECT_EQ(rowNamed("Dining").siblingAtColumn(BudgetOutlineModel::LimitColumn).data(), "$996");
}

TEST_F(BudgetWidgets, ACancelledLimitSheetLeavesTheLimitAsItWas) {
    CategoryLimit* food = m_budget->limitForCategory(*m_food);
    const int savesBefore = m_saves;
    m_controller->editLimit();  // nothing selected: no sheet
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    click(view().viewport(), view().visualRect(rowNamed("Food")).center());
    whenDialogNamed("LimitSheet", [](QDialog& dialog) {
        auto& sheet = dynamic_cast<LimitSheetController&>(dialog);
        sheet.incomeButton()->setChecked(true);
        sheet.estimateField()->setValue(S::dec("1"));
        sheet.estimateTypeChanged(true);
        sheet.notesField()->setPlainText("never saved");
        sheet.cancel();
    });
    m_controller->editLimit();
    EXPECT_EQ(food->amount(), S::dec("-600"));
    EXPECT_FALSE(food->showMonthlyAmount());
    EXPECT_EQ(food->notes(), std::nullopt);
    EXPECT_EQ(m_saves, savesBefore);
    EXPECT_EQ(topLevelNames(), QStringList({"Home", "Food", "Dining", "Uncategorized", "Total"}));
}

TEST_F(BudgetWidgets, TheEndNoticeIsShownOnceAPeriod) {
    Clock::setFixedToday(S::day(2026, 10, 1));
    m_controller->setup(true);
    m_controller->didSwitchToBudget();
    m_controller->didSwitchToBudget();
    ASSERT_EQ(m_alerts.shown.size(), 1U);
    EXPECT_EQ(m_alerts.shown[0].message, "This budget's period has ended");
    EXPECT_TRUE(m_budget->didShowEndNotice());

    // A new start whose period has ended too: the notice is due again.
    whenDialogNamed("EditBudgetSheet", [](QDialog& dialog) {
        auto& sheet = dynamic_cast<EditBudgetController&>(dialog);
        EXPECT_FALSE(sheet.monthsField()->isEnabled());
        sheet.nameField()->setText("Last Year");
        sheet.startDateField()->setDateValue(S::day(2025, 9, 1));
        sheet.confirmButton()->click();
    });
    m_controller->showSettings();
    EXPECT_EQ(m_budget->name(), "Last Year");
    EXPECT_EQ(m_controller->titleField().text(), "Last Year");
    EXPECT_EQ(m_budget->months(), 12);
    m_controller->didSwitchToBudget();
    EXPECT_EQ(m_alerts.shown.size(), 2U);
}

TEST_F(BudgetWidgets, TheSummarySaysAsOfTodayUntilTheBudgetHasEnded) {
    m_controller->switchToSummary();
    SummaryController* summary = m_controller->summaryController();
    ASSERT_NE(summary, nullptr);
    EXPECT_EQ(m_controller->currentContent(), summary);
    EXPECT_EQ(summary->budgetedBox().title(), "Estimated");
    EXPECT_EQ(summary->actualBox().title(), "As of Today");
    const auto& actual = summary->actualBox().shownRows();
    ASSERT_EQ(actual.size(), 4U);
    EXPECT_EQ(actual[0].value, "$2,420.00");  // 1200 + 750 + 450 + 20 spent
    EXPECT_EQ(actual[2].label, "Loss");
    EXPECT_EQ(actual[2].value, "$920.00");
    EXPECT_EQ(actual[2].color, "CC0011");
    EXPECT_EQ(actual[3].label, "Current Balance");
    EXPECT_EQ(summary->budgetedBox().shownRows()[2].label, "Savings");
    EXPECT_EQ(summary->budgetedBox().shownRows()[2].color, "237F00");

    Clock::setFixedToday(S::day(2026, 9, 15));
    m_controller->setup(true);
    EXPECT_EQ(m_controller->currentContent(), summary);
    EXPECT_EQ(summary->actualBox().title(), "Actual");
    EXPECT_EQ(summary->actualBox().shownRows()[3].label, "Ending Balance");
}

// ---- The new-budget sheet ----

class NewBudgetSheet : public ShellFixture {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        m_food = m_store.category("Food");
        m_salary = m_store.category("Salary");
        m_window = std::make_unique<QWidget>();
        m_controller = std::make_unique<NewBudgetController>(m_store.context(), m_alerts,
                                                             *m_defaults, m_window.get());
        QObject::connect(m_controller.get(), &NewBudgetController::budgetCreated,
                         [this](Budget* budget) { m_created.push_back(budget); });
        m_window->resize(600, 400);
        m_window->show();
    }
    void TearDown() override {
        m_controller.reset();
        m_window.reset();
        ShellFixture::TearDown();
    }

    std::unique_ptr<QWidget> m_window;
    ReportTestStore m_store;
    Category* m_food = nullptr;
    Category* m_salary = nullptr;
    std::unique_ptr<NewBudgetController> m_controller;
    std::vector<Budget*> m_created;
};

TEST_F(NewBudgetSheet, AnEmptyStoreAsksFirstAndThenEstimatesZeroSpendingLimits) {
    m_alerts.answers = {0};  // "No, I'll Wait"
    EXPECT_EQ(m_controller->addBudget(m_window.get()), nullptr);
    ASSERT_EQ(m_alerts.shown.size(), 1U);
    EXPECT_EQ(m_alerts.shown[0].message, "Are you sure you want to create a budget now?");
    EXPECT_EQ(m_alerts.shown[0].buttons, QStringList({"No, I'll Wait", "Create Anyway"}));
    EXPECT_EQ(Budget::countInContext(m_store.context()), 0U);

    m_alerts.answers = {1};  // "Create Anyway"
    bool helpShown = false;
    whenDialogNamed("NewBudgetSheet", [&](QDialog& dialog) {
        auto& sheet = dynamic_cast<NewBudgetController&>(dialog);
        EXPECT_EQ(sheet.nameField()->text(), "2026 Budget");
        EXPECT_EQ(sheet.nameField()->selectedText(), "2026 Budget");
        EXPECT_EQ(sheet.monthsField()->value(), 12);
        EXPECT_EQ(sheet.startDateField()->dateValue(), S::day(2026, 3, 15));
        sheet.nameField()->setText("  ");
        EXPECT_FALSE(sheet.confirmButton()->isEnabled());
        sheet.nameField()->setText("Household");
        sheet.monthsField()->setValue(6);
        whenDialogNamed("BudgetHelp", [&](QDialog& help) {
            helpShown = true;
            help.done(1);
        });
        sheet.confirmButton()->click();
    });
    Budget* budget = m_controller->addBudget(m_window.get());
    ASSERT_NE(budget, nullptr);
    EXPECT_TRUE(helpShown);
    EXPECT_EQ(m_created, std::vector<Budget*>({budget}));
    EXPECT_EQ(budget->name(), "Household");
    EXPECT_EQ(budget->months(), 6);
    EXPECT_EQ(budget->categoryLimits().size(), 2U);
    EXPECT_EQ(budget->expenseLimitTotal(), Decimal());
    EXPECT_EQ(budget->incomeLimitTotal(), Decimal());
}

TEST_F(NewBudgetSheet, CancellingCreatesNothingAndTheHelpCanBeTurnedOff) {
    Account* checking = m_store.account("Checking");
    m_store.add(checking, S::day(2026, 1, 1), "-310", m_food);
    m_store.add(checking, S::day(2026, 3, 1), "2000", m_salary);
    whenDialogNamed("NewBudgetSheet", [](QDialog& dialog) { dialog.done(0); });
    EXPECT_EQ(m_controller->addBudget(m_window.get()), nullptr);
    EXPECT_TRUE(m_alerts.shown.empty());  // 60 days of data: no question
    EXPECT_EQ(Budget::countInContext(m_store.context()), 0U);

    m_defaults->setBool("PNShouldShowBudgetHelp", false);
    whenDialogNamed("NewBudgetSheet", [](QDialog& dialog) {
        dynamic_cast<NewBudgetController&>(dialog).confirmButton()->click();
    });
    Budget* budget = m_controller->addBudget(m_window.get());
    ASSERT_NE(budget, nullptr);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    // 74 days of data from 1 January to today; a 365-day budget.
    EXPECT_EQ(budget->limitForCategory(*m_food)->amount(), S::dec("-1529"));   // -310 / 74 x 365
    EXPECT_EQ(budget->limitForCategory(*m_salary)->amount(), S::dec("9865"));  // 2000 / 74 x 365
}

TEST_F(NewBudgetSheet, AStartDateWellBeforeTheDataIsQuestionedOncePerOpening) {
    Account* checking = m_store.account("Checking");
    m_store.add(checking, S::day(2026, 1, 20), "-5", m_food);
    m_store.add(checking, S::day(2026, 3, 1), "-5", m_food);
    whenDialogNamed("NewBudgetSheet", [this](QDialog& dialog) {
        auto& sheet = dynamic_cast<NewBudgetController&>(dialog);
        sheet.startDateField()->setDateValue(S::day(2026, 1, 5));  // 15 days before
        EXPECT_TRUE(m_alerts.shown.empty());
        sheet.startDateField()->setDateValue(S::day(2026, 1, 4));  // 16 days before
        sheet.startDateField()->setDateValue(S::day(2025, 1, 4));
        ASSERT_EQ(m_alerts.shown.size(), 1U);
        EXPECT_EQ(m_alerts.shown[0].message, "Start date may be too early");
        EXPECT_TRUE(m_alerts.shown[0].informativeText.endsWith("Jan 20, 2026"));
        dialog.done(0);
    });
    (void)m_controller->addBudget(m_window.get());
    whenDialogNamed("NewBudgetSheet", [this](QDialog& dialog) {
        auto& sheet = dynamic_cast<NewBudgetController&>(dialog);
        sheet.startDateField()->setDateValue(S::day(2025, 1, 4));
        EXPECT_EQ(m_alerts.shown.size(), 2U);  // armed again by the new opening
        dialog.done(0);
    });
    (void)m_controller->addBudget(m_window.get());
}

}  // namespace
