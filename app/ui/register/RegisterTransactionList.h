#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

#include "ui/common/TransactionListView.h"
#include "ui/register/RegisterTableCommands.h"

class TransactionsTable;
class TransactionsTableController;

// A report's list of the transactions behind a figure, shown by a register of its own in list
// mode: the register's table alone (no toolbar strip), its rows edited in place by the
// register's row editor. Each time that editor closes on a transaction, the list tells the
// report through `didCloseEditPanel`. While its table is on screen, the list's status message
// (its rows, the selection's total) goes out through `statusMessageChanged`; when the report
// turns from the list to its figures, an empty one does.
class RegisterTransactionList final : public QObject,
                                      public TransactionListView,
                                      public RegisterTableCommands {
    Q_OBJECT
public:
    // `table` is a register made for this list alone (not the main window's), owned from then
    // on; its table widget goes to the report once placed.
    RegisterTransactionList(std::unique_ptr<TransactionsTableController> table,
                            std::function<void(Transaction*)> didCloseEditPanel);
    ~RegisterTransactionList() override;

    QWidget* widget() override;
    void showTransactions(const std::vector<Transaction*>& transactions) override;
    void reloadTransactions(const std::vector<Transaction*>& transactions) override;
    [[nodiscard]] bool commitEditing() override;
    RegisterCommands& commands() override { return *this; }

    TransactionsTableController& tableController() const override { return *m_controller; }

signals:
    void statusMessageChanged(const QString& message);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<TransactionsTableController> m_controller;
    // The table, which the report's content deletes when it goes first.
    QPointer<TransactionsTable> m_table;
};
