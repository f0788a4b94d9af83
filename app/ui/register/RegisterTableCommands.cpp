#include "ui/register/RegisterTableCommands.h"

#include "ui/register/TransactionsTable.h"
#include "ui/register/TransactionsTableController.h"

std::vector<Transaction*> RegisterTableCommands::selectedTransactions() const {
    return tableController().selectedTransactions();
}

bool RegisterTableCommands::tableHasFocus() const {
    return tableController().table().hasFocus();
}

void RegisterTableCommands::editTransaction() {
    tableController().editTransaction();
}

void RegisterTableCommands::deleteTransactions() {
    tableController().deleteSelectedTransactions();
}

void RegisterTableCommands::toggleTransactionFlag() {
    tableController().toggleTransactionFlag();
}

void RegisterTableCommands::matchTransactions() {
    tableController().matchTransactions();
}
