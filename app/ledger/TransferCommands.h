#pragma once

#include "base/CommandCheck.h"

class Account;

// The rules of a transfer between two accounts that the user is told about before anything
// changes; the transfer itself is Account::transfer. The transfer sheet, the scheduled-item
// form and the command line ask the same question.
class TransferCommands final {
public:
    // Refuses a transfer from an account to itself.
    static CommandCheck checkTransfer(const Account& from, const Account& to);
};
