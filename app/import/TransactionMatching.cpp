#include "TransactionMatching.h"

#include "ImportedTransactions.h"
#include "base/AssertionFailure.h"
#include "ledger/Account.h"
#include "ledger/Transaction.h"
#include "store/ObjectContext.h"

namespace {

constexpr const char* kPendingAndImportedMessage =
    "Matching can only be done between a pending and an imported transaction.";

}  // namespace

std::optional<TransactionMatching::Refusal> TransactionMatching::refusalForSelection(
    const std::vector<Transaction*>& selection) {
    if (selection.size() != 2) {
        return Refusal{"You must select two transactions to match together.",
                       "Select a pending and an imported transaction to merge them into one."};
    }
    const Transaction& first = *selection[0];
    const Transaction& second = *selection[1];
    if (first.account() != second.account()) {
        return Refusal{"You can only match two transactions within the same account",
                       "The two transactions you selected don't belong to the same account, so "
                       "they cannot be matched"};
    }
    if (first.isGenerated() || second.isGenerated()) {
        return Refusal{"You cannot match a scheduled transaction.", kPendingAndImportedMessage};
    }
    Pair pair = pairForSelection(selection);
    if (!pair.pending->isPending() || !pair.imported->isImported()) {
        return Refusal{"You must select a pending and an imported transaction.",
                       kPendingAndImportedMessage};
    }
    return std::nullopt;
}

TransactionMatching::Pair TransactionMatching::pairForSelection(
    const std::vector<Transaction*>& selection) {
    PN_ASSERT(selection.size() == 2, "Matching needs two transactions");
    if (selection[0]->isPending()) {
        return Pair{selection[0], selection[1]};
    }
    return Pair{selection[1], selection[0]};
}

bool TransactionMatching::amountsDiffer(const Pair& pair) {
    return pair.pending->amount() != pair.imported->amount();
}

bool TransactionMatching::match(const Pair& pair, AmountChoice choice) {
    if (amountsDiffer(pair)) {
        switch (choice) {
            case AmountChoice::Cancel:
                return false;
            case AmountChoice::UseImported:
                pair.pending->setAmount(pair.imported->amount());
                // Splits of the typed amount would no longer add up to the bank's: the
                // difference becomes an uncategorized split, as when the editor closes.
                pair.pending->fixSplitsIfNecessary();
                break;
            case AmountChoice::UsePending:
                pair.imported->setAmount(pair.pending->amount());
                break;
        }
    }
    matchWith(*pair.pending, *pair.imported);
    return true;
}

void TransactionMatching::matchWith(Transaction& pending, Transaction& imported) {
    PN_ASSERT(&pending != &imported, "A transaction cannot be matched with itself");
    PN_ASSERT(pending.amount() == imported.amount(), "Matched amounts must be equal");
    PN_ASSERT(imported.isImported(), "Only an imported transaction can be matched");
    PN_ASSERT(pending.isPending(), "Only a pending transaction can receive a match");
    PN_ASSERT(pending.account() == imported.account(), "Matched transactions share an account");
    pending.setOfxAmount(imported.ofxAmount());
    pending.setOfxTitle(imported.ofxTitle());
    pending.setOfxDate(imported.ofxDate());
    pending.setOfxCheckNumber(imported.ofxCheckNumber());
    pending.setOfxFitID(imported.ofxFitID());
    if (!pending.checkNumber()) {
        pending.setCheckNumber(pending.ofxCheckNumber());
    }
    pending.setIsPending(false);
    if (Account* account = imported.account()) {
        account->removeTransactionsObject(&imported);
    }
    imported.managedObjectContext()->deleteObject(imported);
}

Transaction* TransactionMatching::undoMatch(Transaction& matched) {
    PN_ASSERT(matched.isMatched(), "Only a matched transaction can be unmatched");
    PN_ASSERT(matched.account() != nullptr, "A matched transaction needs an account");
    Transaction* imported = ImportedTransactions::createFromBankFields(*matched.account(), matched);
    matched.setOfxAmount(std::nullopt);
    matched.setOfxTitle(std::nullopt);
    matched.setOfxDate(std::nullopt);
    matched.setOfxCheckNumber(std::nullopt);
    matched.setOfxFitID(std::nullopt);
    matched.setIsPending(true);
    matched.setIsNew(false);
    return imported;
}
