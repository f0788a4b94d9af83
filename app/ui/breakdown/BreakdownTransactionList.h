#pragma once

#include <QPointer>
#include <QTableView>

#include "ui/breakdown/TransactionListView.h"

class BreakdownTransactionsModel;

// The breakdown's own list of the transactions behind a figure, until the register's list
// mode takes its place: a read-only table (date, account, description, category, amount).
// Nothing in it can be edited, so it never reports a closed editor.
class BreakdownTransactionList final : public TransactionListView {
public:
    BreakdownTransactionList();
    ~BreakdownTransactionList() override;

    QWidget* widget() override;
    void showTransactions(const std::vector<Transaction*>& transactions) override;
    void reloadTransactions(const std::vector<Transaction*>& transactions) override;

    [[nodiscard]] static TransactionListFactory factory();

    QTableView& table() const { return *m_table; }
    BreakdownTransactionsModel& model() const { return *m_model; }

private:
    QPointer<QTableView> m_table;         // owned by the report once placed, else by this list
    BreakdownTransactionsModel* m_model;  // owned by the table
};
