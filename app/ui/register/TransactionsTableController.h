#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

#include "base/Decimal.h"
#include "ledger/TransactionFlag.h"

class Account;
class AccountGroup;
class Alerts;
class ObjectContext;
class RegisterDelegate;
class RegisterFonts;
class RegisterModel;
class RegisterRows;
class RegisterTexts;
class RowEditor;
class ScheduledItem;
class StickyDate;
class Transaction;
class TransactionsTable;
class QItemSelection;
class QWidget;
struct Alert;

// The register: shows the transactions of an account, a group, the whole store or a given
// list, keeps its status message, opens the row editor in place over a row and carries the
// commands on transactions (add, edit, delete, flag, match).
//
// Its creator hands it the store context, the alert service, the sticky date, a save
// function and the row editor (which the register owns from then on; may be null: rows then
// cannot be edited). The save function saves the store as the application does after every
// change; it must first ask this register to commitEditing() (closing an open editor), as
// every other save of the application must. The register asks the main window for the rest
// through its signals.
class TransactionsTableController final : public QObject {
    Q_OBJECT
public:
    using SaveFunction = std::function<bool()>;

    TransactionsTableController(ObjectContext& context, Alerts& alerts, StickyDate& stickyDate,
                                SaveFunction save, RowEditor* editor, QWidget* parent = nullptr);
    ~TransactionsTableController() override;

    // The table, to be placed in the main window (parented to the `parent` given above).
    TransactionsTable& table() const { return *m_table; }
    RegisterModel& model() const { return *m_model; }
    RowEditor* editor() const;

    // ---- Modes: each scrolls to the top, deselects and updates the status message ----
    void showTransactionsForAccount(Account& account);
    void showTransactionsForAccountGroup(AccountGroup& group);
    void showAllTransactions();
    void showTransactions(std::vector<Transaction*> transactions);
    // Replaces the list of showTransactions() without scrolling or deselecting.
    // REQUIRES: list mode.
    void reloadTransactions(std::vector<Transaction*> transactions);
    // Search results: the status message reads "Found N transactions".
    void setShowsSearchResults(bool search) { m_showsSearchResults = search; }

    // ---- Commands (the main window's menu items call these) ----
    // Account mode only: a new transaction, selected, with the editor open for adding.
    void addTransaction();
    // Opens the editor over the one selected row; a projected row asks for its schedule.
    void showEditPanel();
    // Return: saves (which closes the editor) when it is open, else opens it.
    void editTransaction();
    void deleteSelectedTransactions();
    void toggleTransactionFlag();
    void clickedFlagAtRow(int row);
    void matchTransactions();
    void toggleBalanceColumn();
    void hideBalanceColumn();
    // Switches an account's status message between its ledger and reconciled balance.
    void toggleStatusMessage();

    // ---- Command state (menu validation) ----
    bool isAccountSpecific() const;
    bool editPanelIsOpen() const { return m_editPanelIsOpen; }
    bool canEditTransaction() const { return selectedRows().size() == 1; }
    bool canDelete() const { return !selectedRows().empty(); }
    bool canAddTransaction() const { return isAccountSpecific(); }
    TransactionFlag::MenuItem toggleTransactionFlagMenuItem() const;
    bool isBalanceColumnVisible() const;
    bool showReconciledBalance() const { return m_showReconciledBalance; }
    void setShowReconciledBalance(bool show);

    // ---- Queries ----
    std::vector<Transaction*> selectedTransactions() const;
    std::vector<int> selectedRows() const;
    Decimal totalOfSelectedTransactions() const;
    Decimal totalOfSelectedTransactionsInHomeCurrency() const;
    QString statusMessage() const { return m_statusMessage; }
    int indexOfEditedRow() const { return m_indexOfEditedRow; }

    // ---- Upkeep ----
    void updateStatusMessage();
    // Fetches the rows again and re-sorts, keeping the selection and the scroll position
    // (after an import, a change made elsewhere, an undo or a redo).
    void refreshTransactionsView();
    // Gives the keyboard focus to the table.
    void focus();
    // Closes the editor when open, writing it back (unless its transaction is gone). Always
    // succeeds.
    bool commitEditing();
    // REQUIRES: the editor is open.
    void closeEditPanel();
    // Selects the row of `transaction` (when shown) and scrolls to it.
    void selectTransaction(const Transaction& transaction);

signals:
    void statusMessageChanged(const QString& message);
    // A projected transaction was opened: the main window shows its scheduled item.
    void revealScheduledItemRequested(ScheduledItem* item);
    void editCategoriesRequested();
    // The editor closed on `transaction` (written back, not yet saved).
    void didCloseEditPanelForTransaction(Transaction* transaction);
    // The selection or what the commands act on changed: menu items may need revalidating.
    void commandStateChanged();

private:
    void showMode(const std::function<void()>& change);
    // Applies `change` to the rows, then selects the same transactions again, keeps the row
    // at the top of the view where it was and reopens an open editor over its row.
    void reloadKeepingPlace(const std::function<void()>& change);
    void renderEditPanelForAdd(bool isAdding);
    void selectionDidChange(const QItemSelection& selected, const QItemSelection& deselected);
    void selectRow(int row);
    bool saveStore();
    int answer(const Alert& alert);
    void discardEditorIfGone();

    ObjectContext& m_context;
    Alerts& m_alerts;
    StickyDate& m_stickyDate;
    SaveFunction m_save;
    std::unique_ptr<RegisterRows> m_rows;
    std::unique_ptr<RegisterTexts> m_texts;
    std::unique_ptr<RegisterFonts> m_fonts;
    RegisterModel* m_model = nullptr;
    RegisterDelegate* m_delegate = nullptr;
    TransactionsTable* m_table = nullptr;
    QPointer<RowEditor> m_editor;
    int m_indexOfEditedRow = -1;
    bool m_editPanelIsOpen = false;
    bool m_preserveSelectionWhenEditPanelIsClosed = false;
    bool m_showReconciledBalance = false;
    bool m_showsSearchResults = false;
    bool m_closing = false;
    QString m_statusMessage;
};
