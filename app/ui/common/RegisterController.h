#pragma once

#include <QString>

#include "ui/common/ContentViewController.h"

// The register's controller as the main window drives it, besides ContentViewController:
// showItem() gets an account, a group or "All Accounts"; newItem() adds a transaction to the
// shown account. The shell places view() below its toolbar strip.
class RegisterController : public ContentViewController {
    Q_OBJECT
public:
    using ContentViewController::ContentViewController;

    // The balance column and the status line; a new selection hides the column and puts the
    // status line back to the balance.
    virtual bool isBalanceColumnVisible() const = 0;
    virtual void toggleBalanceColumn() = 0;
    // Switches the status line between the balance and the reconciled balance.
    virtual void toggleStatusMessage() = 0;
    virtual void resetColumnsAndStatus() = 0;
};
