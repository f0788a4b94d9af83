#pragma once

#include <QObject>
#include <QPointer>
#include <memory>
#include <vector>

#include "base/NotificationCenter.h"
#include "ui/shell/MenuCommand.h"
#include "ui/sourcelist/SourceListDropRules.h"
#include "ui/sourcelist/SourceListItem.h"

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QWidget;
class ApplicationDelegate;
class Budget;
class EditAccountController;
class MainWindow;
class NewAccountController;
class Node;
class ObjectContext;
class PlaceholderView;
class SourceListModel;

// Runs the main window: the source list, the content view its selection decides, the
// register's toolbar strip, the search field's entry point, the status line, the refresh
// after changes and after undo and redo, and the validation of its menu commands. It is
// reset on every newly opened store and then rebuilds every view on first use.
class AppController final : public QObject {
    Q_OBJECT
public:
    AppController(MainWindow& window, ApplicationDelegate& delegate);
    ~AppController() override;

    // Drops every view and the store; then builds the source list on `context` under
    // `accountsRoot`, both as the start sequence has brought them up to date.
    void reset(ObjectContext& context, Node& accountsRoot);
    // Lets go of the store before its context is destroyed.
    void forgetStore();

    // ---- Queries ----
    SourceListItem selectedSourceListItem() const;
    bool isShowingTransactionsView() const;
    bool isShowingTransactionsViewForAccount() const;
    bool isShowingSearchView() const;
    bool shouldShowScheduled() const;
    std::vector<Budget*> budgets() const;
    Node* accountsRoot() const { return m_accountsRoot; }
    ObjectContext* managedObjectContext() const { return m_context; }
    MainWindow& window() const { return m_window; }
    SourceListModel* sourceListModel() const { return m_model.get(); }
    QWidget* contentView() const;
    QWidget* transactionsView() const { return m_transactionsView; }
    QWidget* addAccountMessageView() const { return m_addAccountMessageView; }
    bool isBalanceColumnVisible() const { return m_balanceColumnVisible; }
    bool isImportButtonHidden() const;

    // ---- Commands ----
    void updateAllViews();
    void switchView(QWidget* view);
    void showToolbar();
    void hideToolbar();
    void updateToolbar();
    void setStatusMessage(const QString& message);
    void toggleStatusMessage();
    void toggleBalanceColumn();
    void startSearch();
    void search();
    void addAccount();
    void addAccountGroup();
    void editAccount();
    void importFromBank();
    void importFromApp();
    void addBudget();
    void switchToScheduled();
    void showPreferencePanel();
    void showWebsite();
    void showSupport();
    // Reloads the list, keeping the selected item (or the one given) and the expansion.
    void reloadSourceList();
    void selectItem(const SourceListItem& item);
    // Starts editing the selected row's name in place.
    void editSelectedName();
    // The selection handling; runs on every selection change and after every reload.
    void outlineViewSelectionDidChange();
    // Renaming in place: accounts, groups and budgets get the new name and are saved.
    void renameItem(const SourceListItem& item, const QString& name);
    // Moves the dragged node as the accepted drop says; false when refused.
    bool acceptDrop(const SourceListDropRules::Proposal& proposal);
    // Menu validation of the controller's own commands.
    void validateUserInterfaceItem(MenuCommand command, QAction& action) const;

    // Fills the bottom bar's add and action menus with the given actions.
    void setSegmentMenus(QMenu* addMenu, QMenu* actionMenu);

private:
    void buildTransactionsView();
    void buildAddAccountMessageView();
    PlaceholderView* placeholderFor(QPointer<PlaceholderView>& slot, const QString& text);
    void showRegisterFor(const QString& subject, bool withToolbar);
    void didUndoOrRedo();
    void expandStoredGroups();
    void groupExpansionChanged(const QModelIndex& index, bool expanded);

    MainWindow& m_window;
    ApplicationDelegate& m_delegate;
    ObjectContext* m_context = nullptr;
    Node* m_accountsRoot = nullptr;
    std::unique_ptr<SourceListModel> m_model;
    QWidget* m_transactionsView = nullptr;
    QWidget* m_transactionsToolbar = nullptr;
    QLabel* m_toolbarTitle = nullptr;
    QPushButton* m_importButton = nullptr;
    PlaceholderView* m_transactionsTablePlaceholder = nullptr;
    QWidget* m_addAccountMessageView = nullptr;
    QPointer<PlaceholderView> m_scheduledView;
    QPointer<PlaceholderView> m_budgetView;
    QPointer<PlaceholderView> m_trendsView;
    QPointer<PlaceholderView> m_breakdownView;
    QPointer<PlaceholderView> m_searchView;
    std::unique_ptr<NewAccountController> m_newAccountController;
    std::unique_ptr<EditAccountController> m_editAccountController;
    NotificationObserver m_undoObserver;
    NotificationObserver m_redoObserver;
    NotificationObserver m_categoriesObserver;
    bool m_shouldKeepSearchString = false;
    bool m_balanceColumnVisible = false;
    bool m_showsReconciledBalance = false;
    bool m_restoringExpansion = false;
    bool m_handlingSelection = false;
};
