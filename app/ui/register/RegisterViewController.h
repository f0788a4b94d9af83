#pragma once

#include <memory>

#include "ui/common/RegisterController.h"
#include "ui/register/RegisterTableCommands.h"

class MainWindowHost;
class RowEditor;
class StickyDate;
class TransactionsTableController;

// The register as the main window drives it: shows an account's, a group's or every
// account's transactions (or a given set) in a TransactionsTableController, sends its status
// message to the main window's status line, opens a projected row's scheduled item through
// the main window and saves through it. Its view is the table; the editor given (owned from
// then on) opens over the table's rows.
class RegisterViewController final : public RegisterController, public RegisterTableCommands {
    Q_OBJECT
public:
    // REQUIRES: `host` and `stickyDate` outlive the controller.
    RegisterViewController(MainWindowHost& host, StickyDate& stickyDate, RowEditor* editor);
    ~RegisterViewController() override;

    // ---- ContentViewController ----
    QWidget* view() override;
    // An account, a group or "All Accounts"; any other item shows nothing new.
    void showItem(const SourceListItem& item) override;
    void refresh() override;
    [[nodiscard]] bool commitEditing() override;
    // Adds a transaction to the shown account (Ctrl+N); outside an account's register nothing.
    void newItem() override;

    // ---- RegisterController ----
    bool isBalanceColumnVisible() const override;
    void toggleBalanceColumn() override;
    void toggleStatusMessage() override;
    void resetColumnsAndStatus() override;

    TransactionsTableController& tableController() const override { return *m_table; }
    RegisterCommands* registerCommands() override { return this; }

private:
    std::unique_ptr<TransactionsTableController> m_table;
};
