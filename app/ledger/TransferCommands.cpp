#include "ledger/TransferCommands.h"

CommandCheck TransferCommands::checkTransfer(const Account& from, const Account& to) {
    if (&from == &to) {
        return CommandCheck::refuse({.message = "An account cannot transfer to itself."});
    }
    return CommandCheck::proceed();
}
