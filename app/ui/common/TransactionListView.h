#pragma once

#include <functional>
#include <memory>
#include <vector>

class QWidget;
class RegisterCommands;
class Transaction;

// The register as a report needs it to list the transactions behind a figure: a widget that
// lists a given set of transactions and lets the user edit them in place. The report makes one
// through a TransactionListFactory on first use and keeps it; the shell's factory hands in a
// register of the report's own (ContentViews).
class TransactionListView {
public:
    virtual ~TransactionListView() = default;

    // The widget to place in the report's content; owned by the report once placed.
    virtual QWidget* widget() = 0;
    // Lists `transactions`: scrolled to the top, nothing selected.
    virtual void showTransactions(const std::vector<Transaction*>& transactions) = 0;
    // Replaces the listed set, keeping the scroll position and selection (after an edit).
    // REQUIRES: showTransactions was called.
    virtual void reloadTransactions(const std::vector<Transaction*>& transactions) = 0;
    // Writes an open editor back into its transaction and closes it (before every save of the
    // store). False refuses the save.
    [[nodiscard]] virtual bool commitEditing() = 0;
    // The main window's commands on the listed rows, while the list is shown.
    virtual RegisterCommands& commands() = 0;
};

// Makes the list. The list calls `didCloseEditPanel` with the transaction each time its editor
// closes, so that the report can list the transactions behind the figure again.
using TransactionListFactory = std::function<std::unique_ptr<TransactionListView>(
    std::function<void(Transaction*)> didCloseEditPanel)>;
