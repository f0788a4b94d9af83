#pragma once

#include <functional>
#include <optional>
#include <string>

#include "base/Date.h"
#include "base/Decimal.h"

class Account;
class Currency;
class Node;
class ObjectContext;

// What the new-account and edit-account sheets do when confirmed, apart from the widgets.
// The sheet reloads the source list, saves and shows what follows.
class AccountSheets final {
public:
    struct NewAccount {
        std::string name;
        int typePosition = 0;
        Currency* currency = nullptr;  // nullptr: the home currency
        Decimal startBalance;
        Date startBalanceDate;
    };
    struct Edit {
        std::string name;
        int typePosition = 0;
        Currency* currency = nullptr;
        Decimal startBalance;
        bool isClosed = false;
    };

    // The stored type of a position in the type menus; "other" for any position past the list.
    static std::string typeAtPosition(int position);
    // The menu position of a stored type; the "other" position for an unset or unknown one.
    static int positionOfType(const std::optional<std::string>& type);

    // Inserts the account at the end of `root` with the sheet's fields.
    static Account& confirmNewAccount(ObjectContext& context, Node& root, const NewAccount& fields);
    // Cash and other accounts are followed by a help sheet.
    static bool showsHelpAfterCreating(const Account& account);

    // Applies the edit sheet. A changed currency regenerates the projection of the account's
    // transfers, incoming and outgoing, when projection is shown (through the regeneration the
    // scheduled items install); a numerically changed start balance moves the start date to the
    // day before the first transaction (today without one).
    static void confirmEdit(Account& account, const Edit& fields, bool projectionShown, Date today);

    // Regenerates the projections of the scheduled transfers from and into an account whose
    // currency changed. The scheduled items connect it (installScheduledHooks); until they do,
    // nothing is regenerated. Process-wide; nullptr removes it.
    using TransferRegeneration = std::function<void(Account&)>;
    static void setTransferRegeneration(TransferRegeneration regeneration);
};
