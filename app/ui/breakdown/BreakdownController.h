#pragma once

#include <QWidget>
#include <memory>
#include <optional>

#include "reports/BreakdownReport.h"
#include "ui/common/TransactionListView.h"

class BreadcrumbPath;
class BreakdownView;
class ObjectContext;
class PlaceholderView;
class QMenu;
class QPushButton;
class QScrollArea;
class QStackedWidget;
class Sidebar;
class SidebarButton;

// The breakdown report: where the money went in a month, a year or a fixed span, one side
// (expense or income) at a time, as bars largest first. A click on a group lists its
// categories; a click on a category or on "Uncategorized" lists the transactions behind the
// figure in the register (through the TransactionListFactory). Breadcrumbs lead back; the
// sidebar on the right switches sides and shows both totals and the savings or loss.
//
// The shell calls setup() when the view is shown and updateView() after the store changed
// (edits elsewhere, undo, redo). Before computing a page it emits storeSaveRequested(), which
// must be connected directly to the application's save (that also commits an open editor).
class BreakdownController final : public QWidget {
    Q_OBJECT
public:
    // REQUIRES: `context` outlives the controller. `makeTransactionList` is called once, on
    // the first drill-down to transactions.
    BreakdownController(ObjectContext& context, TransactionListFactory makeTransactionList,
                        QWidget* parent = nullptr);
    ~BreakdownController() override;

    // Refills the periods menu from the span of the data and opens on this month's expenses.
    void setup();
    // Refills the periods menu and recomputes the shown page, keeping the period, the side and
    // the drill-down levels whose groups and categories still exist.
    void updateView();

    // The actions of the menu, the sidebar and the crumbs.
    void showPeriod(const BreakdownPeriods::Period& period);
    void showFixedPeriod(BreakdownPeriods::FixedPeriod period);
    void switchToExpense();
    void switchToIncome();
    void clickedKey(const BreakdownKey& key);
    void clickedCrumb(std::size_t index);
    // The register's editor closed on `transaction`: list the transactions behind the figure
    // again (the edit may have moved it out) and refresh the totals.
    void didCloseEditPanel(Transaction* transaction);
    // Closes the transaction list's open editor, writing it back (before every save).
    [[nodiscard]] bool commitEditing();

    const BreakdownReport& report() const { return *m_report; }
    QMenu& periodsMenu() const { return *m_periodsMenu; }
    QPushButton& periodsButton() const { return *m_periodsButton; }
    Sidebar& sidebar() const { return *m_sidebar; }
    SidebarButton& expenseButton() const { return *m_expenseButton; }
    SidebarButton& incomeButton() const { return *m_incomeButton; }
    BreadcrumbPath& breadcrumbPath() const { return *m_breadcrumbPath; }
    BreakdownView& breakdownView() const { return *m_breakdownView; }
    // What the content shows now: the bars, a side's placeholder or the transactions.
    QWidget* currentContent() const;
    PlaceholderView& noExpenseView() const { return *m_noExpenseView; }
    PlaceholderView& noIncomeView() const { return *m_noIncomeView; }
    // The transaction list, once made.
    TransactionListView* transactionList() const { return m_transactionList.get(); }
    // The commands on the listed transactions while they are shown, else null.
    RegisterCommands* shownListCommands() const;

signals:
    void storeSaveRequested();

private:
    void buildViews();
    QWidget* buildTopBar();
    void populatePeriodsMenu();
    // Computes and shows the current level's page.
    void showCurrentLevel();
    void showTotals(const BreakdownTotals& totals);
    void showCrumbs();
    void showRows(BreakdownReport::Page& page);
    void showTransactions(const BreakdownReport::Page& page);

    ObjectContext& m_context;
    TransactionListFactory m_makeTransactionList;
    std::unique_ptr<BreakdownReport> m_report;
    std::unique_ptr<TransactionListView> m_transactionList;
    QMenu* m_periodsMenu = nullptr;
    QPushButton* m_periodsButton = nullptr;
    Sidebar* m_sidebar = nullptr;
    SidebarButton* m_expenseButton = nullptr;
    SidebarButton* m_incomeButton = nullptr;
    BreadcrumbPath* m_breadcrumbPath = nullptr;
    QStackedWidget* m_content = nullptr;
    QScrollArea* m_scrollView = nullptr;
    BreakdownView* m_breakdownView = nullptr;
    PlaceholderView* m_noExpenseView = nullptr;
    PlaceholderView* m_noIncomeView = nullptr;
};
