#pragma once

#include <functional>
#include <memory>
#include <vector>

class QWidget;
class Transaction;

// The register as the breakdown report needs it for its last drill-down level: a widget that
// lists a given set of transactions (the register's list mode) and lets the user edit them.
// The report makes one through a TransactionListFactory on first use and keeps it.
class TransactionListView {
public:
    virtual ~TransactionListView() = default;

    // The widget to place in the report's content; owned by the report once made.
    virtual QWidget* widget() = 0;
    // Lists `transactions`: scrolled to the top, nothing selected.
    virtual void showTransactions(const std::vector<Transaction*>& transactions) = 0;
    // Replaces the listed set, keeping the scroll position and selection (after an edit).
    // REQUIRES: showTransactions was called.
    virtual void reloadTransactions(const std::vector<Transaction*>& transactions) = 0;
};

// Makes the list. The list calls `didCloseEditPanel` with the transaction each time its editor
// closes (the register's transactionsTableController:didCloseEditPanelForTransaction:), so
// that the report can list the transactions behind the figure again.
using TransactionListFactory = std::function<std::unique_ptr<TransactionListView>(
    std::function<void(Transaction*)> didCloseEditPanel)>;
