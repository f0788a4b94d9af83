// The rules a transaction must pass before a save.
#include "base/ValidationError.h"
#include "ledger/Account.h"
#include "ledger/FitIDIndex.h"
#include "ledger/Split.h"
#include "ledger/Transaction.h"

namespace {

ValidationError transactionError(int code, std::string description) {
    return ValidationError{ValidationError::domainWithSuffix(".TransactionError"),
                           code,
                           std::move(description),
                           {},
                           {}};
}

}  // namespace

bool Transaction::validateForInsert(std::optional<ValidationError>& error) const {
    return validateTransaction(error);
}

bool Transaction::validateForUpdate(std::optional<ValidationError>& error) const {
    return validateTransaction(error);
}

bool Transaction::validateTransaction(std::optional<ValidationError>& error) const {
    // Every rule runs, so that all failures are reported together.
    bool valid = validateBankFields(error);
    valid = validateGeneratedTransactionIsNotPending(error) && valid;
    valid = validateGeneratedTransactionHasScheduledItem(error) && valid;
    valid = validateFitIDIsUnique(error) && valid;
    return valid;
}

bool Transaction::validateSplits(std::optional<ValidationError>& error) const {
    // Clearing the flag is bookkeeping of the validation itself, not a change to save.
    const_cast<Transaction*>(this)->m_splitsChanged = false;
    if (m_splits.size() < 2) {
        return true;
    }
    Decimal sum;
    for (const Split* split : m_splits) {
        sum += split->amount();
    }
    if (sum == m_amount) {
        return true;
    }
    error = transactionError(0, "Split amounts must add up to the transaction amount.");
    return false;
}

bool Transaction::validateBankFields(std::optional<ValidationError>& error) const {
    const bool noneSet = !m_ofxAmount && !m_ofxTitle.hasValue() && !m_ofxDate &&
                         !m_ofxCheckNumber && !m_ofxFitID.hasValue();
    const bool requiredSet = m_ofxAmount && m_ofxTitle.hasValue() && m_ofxDate;
    if (noneSet || requiredSet) {
        return true;
    }
    return failValidation(error, transactionError(1, "Bank fields are inconsistent"));
}

bool Transaction::validateGeneratedTransactionIsNotPending(
    std::optional<ValidationError>& error) const {
    if (!isGenerated() || !m_isPending) {
        return true;
    }
    return failValidation(error, ValidationError::internalError(".ValidationError", "ABEXA"));
}

bool Transaction::validateGeneratedTransactionHasScheduledItem(
    std::optional<ValidationError>& error) const {
    if (!isGenerated() || hasScheduledItem()) {
        return true;
    }
    return failValidation(error, ValidationError::internalError(".ValidationError", "BBEXA"));
}

bool Transaction::validateFitIDIsUnique(std::optional<ValidationError>& error) const {
    const std::optional<std::string_view> fitID = m_ofxFitID.view();
    if (!fitID) {
        return true;
    }
    // An index, not a walk over the account: a save of a large import checks every new
    // transaction, and an account may hold a hundred thousand.
    const std::size_t count = FitIDIndex::of(*managedObjectContext()).count(m_account, *fitID);
    if (count == 1) {
        return true;
    }
    return failValidation(error, ValidationError::internalError(".ValidationError", "BAFEW"));
}
