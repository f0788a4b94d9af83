#pragma once

#include <QWidget>
#include <memory>

#include "budgets/BudgetTracking.h"
#include "ui/common/TransactionListView.h"

class Alerts;
class BreadcrumbPath;
class Budget;
class BudgetOutlineModel;
class BudgetOutlineView;
class Category;
class EditBudgetController;
class LimitSheetController;
class ObjectContext;
class QLabel;
class QPushButton;
class QStackedWidget;
class Sidebar;
class SidebarButton;
class SummaryController;
struct Breadcrumb;

// The budget view: the budget's name and time remaining on top, a sidebar with the planned
// spending, the planned income and what the budget saves, and beside it one of three pages:
// the outline of the expense or income side (limits against actual amounts as bars, with the
// pace needle), the transactions behind one row (the register in list mode, with crumbs back),
// or the summary. A double click, Return or the Edit Limit command opens the limit sheet of a
// category row; the Edit Budget command opens the budget's settings.
//
// The main window makes one controller per store and on every selection of a budget calls
// setBudget(), setup() and, once it is shown, didSwitchToBudget(); after undo, redo, renaming
// the budget and changes that touch every view it calls setup(true). Before each switch of
// side, page or crumb, and after each change, the controller emits storeSaveRequested(), which
// must be connected directly to the application's save (that also commits an open editor).
class BudgetController final : public QWidget {
    Q_OBJECT
public:
    // REQUIRES: `context` and `alerts` outlive the controller. `makeTransactionList` is called
    // once, on the first zoom into a row's transactions.
    BudgetController(ObjectContext& context, Alerts& alerts,
                     TransactionListFactory makeTransactionList, QWidget* parent = nullptr);
    ~BudgetController() override;

    void setBudget(Budget* budget);
    Budget* budget() const { return m_budget; }
    // Tracks the budget again and shows it: on the expense side, or with keepSide on the page
    // of the selected sidebar button. An open limit sheet is saved first.
    void setup(bool keepSide = false);
    // Shows the end notice once when the budget's period has ended.
    void didSwitchToBudget();

    void switchToExpense();
    void switchToIncome();
    void switchToSummary();
    // Whether Edit Limit applies: a side is shown and a category row is selected.
    bool canEditLimit() const;
    // Opens the limit sheet for the selected category row.
    void editLimit();
    // Opens the limit sheet for the category row `row` of the outline.
    void showEditSheetForLimit(const QModelIndex& row);
    // What saving the limit sheet of the category row `row` does: stores the fields in the
    // limit, patches the shown side (a limit that changed sides leaves it), saves and shows
    // the new totals. The row stays where it is and the outline is no longer sorted.
    void saveLimit(const QModelIndex& row, const LimitSheetFields& fields,
                   const std::string& notes);
    // Opens the budget's settings sheet.
    void showSettings();
    // Lists the transactions behind the outline row `row` (a category or "Uncategorized").
    void zoomClickedForRow(const QModelIndex& row);
    // A crumb of the transactions page was clicked.
    void clickedCrumb(const Breadcrumb& crumb);
    // The register's editor closed on `transaction`: list the row's transactions again.
    void didCloseEditPanel(Transaction* transaction);

    const BudgetTracking& tracking() const { return m_tracking; }
    QLabel& titleField() const { return *m_titleField; }
    QLabel& monthsLeftField() const { return *m_monthsLeftField; }
    Sidebar& sidebar() const { return *m_sidebar; }
    SidebarButton& expenseButton() const { return *m_expenseButton; }
    SidebarButton& incomeButton() const { return *m_incomeButton; }
    SidebarButton& summaryButton() const { return *m_summaryButton; }
    BudgetOutlineView& outlineView() const { return *m_outlineView; }
    BudgetOutlineModel& outlineModel() const { return *m_model; }
    BreadcrumbPath& breadcrumbPath() const { return *m_breadcrumbPath; }
    // The shown page: the outline view, the transactions container or the summary.
    QWidget* currentContent() const;
    QWidget* transactionsContainer() const { return m_transactionsContainer; }
    SummaryController* summaryController() const { return m_summaryController; }
    LimitSheetController* limitSheetController() const { return m_limitSheetController; }
    EditBudgetController* editBudgetController() const { return m_editBudgetController; }
    TransactionListView* transactionList() const { return m_transactionList.get(); }
    // The commands on the listed transactions while they are shown, else null.
    RegisterCommands* shownListCommands() const;
    // Closes the transaction list's open editor, writing it back (before every save).
    [[nodiscard]] bool commitEditing();
    // The category whose transactions are listed (nullptr: "Uncategorized" or none).
    Category* currentCategory() const { return m_currentCategory; }

signals:
    void storeSaveRequested();
    // The budget's name or period changed through its settings sheet (the source list shows
    // the name).
    void budgetChanged(Budget* budget);

private:
    void buildViews();
    QWidget* buildTopBar();
    void buildSidebar();
    void setTimeRemainingMessage();
    void updateSidebarButtons();
    void switchToSide(BudgetTracking::Side side);
    void switchToBudgetView();
    void rowClicked(const QModelIndex& index);
    void sortRequested(bool ascending);
    std::vector<Transaction*> currentTransactions() const;
    std::string homeCurrency() const;

    ObjectContext& m_context;
    Alerts& m_alerts;
    TransactionListFactory m_makeTransactionList;
    Budget* m_budget = nullptr;
    BudgetTracking m_tracking;
    Category* m_currentCategory = nullptr;
    std::unique_ptr<TransactionListView> m_transactionList;
    LimitSheetController* m_limitSheetController = nullptr;  // made on first use, a child
    EditBudgetController* m_editBudgetController = nullptr;  // made on first use, a child
    QLabel* m_titleField = nullptr;
    QLabel* m_monthsLeftField = nullptr;
    QPushButton* m_settingsButton = nullptr;
    Sidebar* m_sidebar = nullptr;
    SidebarButton* m_expenseButton = nullptr;
    SidebarButton* m_incomeButton = nullptr;
    SidebarButton* m_summaryButton = nullptr;
    QStackedWidget* m_content = nullptr;
    BudgetOutlineView* m_outlineView = nullptr;
    BudgetOutlineModel* m_model = nullptr;
    QWidget* m_transactionsContainer = nullptr;
    QStackedWidget* m_tablePlaceholder = nullptr;
    BreadcrumbPath* m_breadcrumbPath = nullptr;
    SummaryController* m_summaryController = nullptr;
};
