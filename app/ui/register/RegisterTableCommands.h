#pragma once

#include "ui/common/RegisterCommands.h"

class TransactionsTableController;

// RegisterCommands carried out by a TransactionsTableController, for the view controllers
// that hold one (the register and the search results).
class RegisterTableCommands : public RegisterCommands {
public:
    std::vector<Transaction*> selectedTransactions() const override;
    bool tableHasFocus() const override;
    void editTransaction() override;
    void deleteTransactions() override;
    void toggleTransactionFlag() override;
    void matchTransactions() override;

protected:
    virtual TransactionsTableController& tableController() const = 0;
};
