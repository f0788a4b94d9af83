#pragma once

class Account;
class StickyDate;
class Transaction;

// The changes the register makes around its editor, apart from the editor's own fields.
class RegisterEditing final {
public:
    RegisterEditing() = delete;

    // A new transaction in `account`, as the register adds one: today's date (or the sticky
    // date), one split of zero, the next sort ID, pending unless the account is a cash one.
    static Transaction& addTransaction(Account& account, const StickyDate& stickyDate);
    // After the editor wrote its fields back: splits that do not add up get an uncategorized
    // split of the difference, the transaction stops being new (editing counts as reviewing
    // it), and the sticky date remembers its date.
    static void finishEditing(Transaction& transaction, StickyDate& stickyDate);
};
