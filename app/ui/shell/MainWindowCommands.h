#pragma once

#include <QObject>
#include <memory>

class AppController;
class ApplicationDelegate;
class Budget;
class BudgetController;
class EditAccountController;
class ImportController;
class ImportFromAppController;
class NewAccountController;
class NewBudgetController;
class ScheduledController;
class TransferController;
struct CommandCheck;

// The main window's menu commands that act on the selection or open a sheet: new account and
// group, edit account, import, new budget, delete, rename, new transaction, transfer,
// projection, preferences. Each asks the core command what to ask and whether it may run,
// shows that, and lets the core make the change. The sheet controllers are made on first use
// and dropped when the store is reopened.
class MainWindowCommands final : public QObject {
    Q_OBJECT
public:
    MainWindowCommands(AppController& controller, ApplicationDelegate& delegate);
    ~MainWindowCommands() override;

    // Drops the sheet controllers (the store is being replaced).
    void forgetStore();

    // The sheet controllers once made (tests and screenshots).
    ImportController* importController() const { return m_importController.get(); }
    ImportFromAppController* importFromAppController() const {
        return m_importFromAppController.get();
    }
    TransferController* transferController() const { return m_transferController.get(); }

    void addAccount();
    void addAccountGroup();
    void editAccount();
    void importFromBank();
    void importFromApp();
    void addBudget();
    // The shown budget's settings sheet, and the limit sheet of its selected category.
    void editBudget();
    void editLimit();
    // Deletes what is selected, after asking, and selects what takes its place.
    void deleteItem();
    // Starts editing the selected entry's name in place.
    void rename();
    void newTransaction();
    // The commands on the rows of the register or the search results in the content area.
    void editTransaction();
    void toggleTransactionFlag();
    void matchTransactions();
    // The commands on the item selected in the scheduled list.
    void editScheduledItem();
    void payScheduledItem();
    void skipScheduledItem();
    void transfer();
    void toggleScheduledTransactions();
    // The preferences window on the open store; on the pane `paneIdentifier` when one is given.
    void showPreferencePanel(const QString& paneIdentifier = {});

private:
    // Shows the check's alert; true when the command may go on (proceed, or confirmed).
    bool mayProceed(const CommandCheck& check);
    void showUnavailable(const QString& what);
    // Holds the store's saves while `controller` has an import half done.
    template <class Controller>
    void holdSavesDuring(Controller& controller);
    // Lists and selects a budget just made.
    void budgetCreated(Budget* budget);
    // The budget view's controller when a budget is shown, else nullptr.
    BudgetController* shownBudgetController() const;
    ScheduledController& scheduledList();

    AppController& m_controller;
    ApplicationDelegate& m_delegate;
    std::unique_ptr<NewAccountController> m_newAccountController;
    std::unique_ptr<EditAccountController> m_editAccountController;
    std::unique_ptr<ImportController> m_importController;
    std::unique_ptr<ImportFromAppController> m_importFromAppController;
    std::unique_ptr<TransferController> m_transferController;
    std::unique_ptr<NewBudgetController> m_newBudgetController;
};
