#pragma once

#include <QObject>
#include <memory>
#include <vector>

#include "base/NotificationCenter.h"
#include "session/MenuValidation.h"
#include "session/SourceListItem.h"
#include "ui/common/MainWindowHost.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/SourceListController.h"
#include "ui/shell/TransactionsView.h"
#include "ui/shell/ViewRouter.h"

class QWidget;
class ApplicationDelegate;
class Budget;
class MainWindowCommands;
class MBPreferencesController;
class Node;
class ObjectContext;
class RegisterCommands;
class RegisterController;
class StickyDate;
class SourceListModel;

// Runs the main window: wires the source list to the view router (the selection decides the
// content view), keeps the register's toolbar strip and the status line, starts searches,
// refreshes after changes and after undo and redo, and is the MainWindowHost of every content
// view and sheet. It is reset on every newly opened store; the router then makes every view
// again on first use. The menu commands are MainWindowCommands'.
class AppController final : public QObject, public MainWindowHost {
    Q_OBJECT
public:
    AppController(MainWindow& window, ApplicationDelegate& delegate);
    ~AppController() override;

    // Drops every view and the store; then builds the source list on `context` under
    // `accountsRoot`, both as the start sequence has brought them up to date.
    void reset(ObjectContext& context, Node& accountsRoot);
    // Lets go of the store before its context is destroyed.
    void forgetStore();
    // Commits the open name editor of the source list and every view's editor.
    [[nodiscard]] bool commitEditing();

    // ---- Queries ----
    SourceListItem selectedSourceListItem() const { return m_sourceList->selectedItem(); }
    bool isShowingTransactionsView() const;
    bool isShowingTransactionsViewForAccount() const;
    bool isShowingSearchView() const;
    bool hasStore() const { return m_context != nullptr; }
    std::vector<Budget*> budgets() const { return m_sourceList->budgets(); }
    MainWindow& mainWindow() const { return m_window; }
    SourceListModel* sourceListModel() const { return m_sourceList->model(); }
    QWidget* contentView() const { return m_router->contentWidget(); }
    QWidget* transactionsView() const { return m_transactionsView.get(); }
    QWidget* addAccountMessageView() const;
    bool isImportButtonHidden() const { return m_transactionsView->isImportButtonHidden(); }
    // What the main window's commands act on: the selected entry and, while the scheduled
    // list is shown, the items selected in it.
    SourceListCommands::Selection selection() const;
    // What the menus need of the main window (the delegate adds the welcome window and mode).
    MenuValidation::State menuState() const;
    // The budget view shows a side with a category row selected (Edit Limit applies).
    bool budgetLimitSelected() const;
    ViewRouter& router() const { return *m_router; }
    SourceListController& sourceList() const { return *m_sourceList; }
    MainWindowCommands& commands() const { return *m_commands; }
    // The preferences window, one for the whole run; its panes are made on the open store.
    MBPreferencesController& preferences() const { return *m_preferences; }
    // The register's controller, made on first use.
    RegisterController& registerController() const;
    // The commands of the register or the search results when one is in the content area.
    RegisterCommands* registerCommands() const;
    StickyDate& stickyDate() const;

    // ---- Commands ----
    void toggleStatusMessage();
    void toggleBalanceColumn();
    void startSearch();
    void search();
    void switchToScheduled();
    // Draws the source list again (its "Scheduled" badge reads the store).
    void repaintSourceList();
    // The selection handling; runs on every selection change and after every reload.
    void outlineViewSelectionDidChange();

    // ---- MainWindowHost ----
    ObjectContext& context() override;
    Node& accountsRoot() override;
    QWidget& window() override { return m_window; }
    Alerts& alerts() override;
    UserDefaults& defaults() override;
    bool save() override;
    void updateAllViews() override;
    void reloadSourceList() override { m_sourceList->reload(); }
    void selectSourceListItem(const SourceListItem& item) override {
        m_sourceList->selectItem(item);
    }
    void setStatusMessage(const QString& message) override;
    void showPreferences() override;
    void editCategories() override;
    void revealScheduledItem(ScheduledItem& item) override;

private:
    void didUndoOrRedo();
    void nameChanged(const SourceListItem& item);
    void clearSearchField();
    void clearSearch();

    MainWindow& m_window;
    ApplicationDelegate& m_delegate;
    ObjectContext* m_context = nullptr;
    Node* m_accountsRoot = nullptr;
    std::unique_ptr<TransactionsView> m_transactionsView;
    std::unique_ptr<ViewRouter> m_router;
    std::unique_ptr<SourceListController> m_sourceList;
    std::unique_ptr<MainWindowCommands> m_commands;
    std::unique_ptr<MBPreferencesController> m_preferences;
    NotificationObserver m_undoObserver;
    NotificationObserver m_redoObserver;
    NotificationObserver m_categoriesObserver;
    bool m_shouldKeepSearchString = false;
    bool m_handlingSelection = false;
    bool m_clearingSearchField = false;
};
