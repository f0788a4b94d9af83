#pragma once

#include <vector>

class Transaction;

// The commands on the rows of a register view (an account's, a group's or every account's
// register, and the search results), which the main window's menus send to the view in the
// content area. The view's controller implements it beside its ContentViewController.
class RegisterCommands {
public:
    virtual ~RegisterCommands() = default;

    virtual std::vector<Transaction*> selectedTransactions() const = 0;
    // The table itself has the keyboard focus (not a field of its editor): Delete then acts on
    // the selected transactions rather than on the source list's item.
    virtual bool tableHasFocus() const = 0;
    // Opens the editor over the one selected row, or saves and closes it when open.
    virtual void editTransaction() = 0;
    // Asks, then deletes the selected transactions (projected ones are left alone).
    virtual void deleteTransactions() = 0;
    virtual void toggleTransactionFlag() = 0;
    // Matches the two selected transactions, explaining in an alert why it cannot.
    virtual void matchTransactions() = 0;
};
