#include "MatchTransactionsCommand.h"

std::optional<Alert> MatchTransactionsCommand::refusal(const std::vector<Transaction*>& selection) {
    std::vector<Transaction*> distinct = selection;
    if (distinct.size() == 2 && distinct[0] == distinct[1]) {
        distinct.pop_back();
    }
    std::optional<TransactionMatching::Refusal> refusal =
        TransactionMatching::refusalForSelection(distinct);
    if (!refusal) {
        return std::nullopt;
    }
    return Alert{refusal->title, refusal->message, {"OK"}};
}

Alert MatchTransactionsCommand::confirmation() {
    return {"Are you sure you want to match these two transactions?",
            "Information from the imported transaction will be merged into the pending "
            "transaction after the match.",
            {"Match", "Cancel"}};
}

std::optional<Alert> MatchTransactionsCommand::amountQuestion(
    const TransactionMatching::Pair& pair) {
    if (!TransactionMatching::amountsDiffer(pair)) {
        return std::nullopt;
    }
    return Alert{"The amounts of the transactions being matched are different.",
                 "Would you like to use the amount in the imported transaction, or the "
                 "amount in the pending transaction?",
                 {"Use Imported Amount", "Cancel", "Use Pending Amount"}};
}

TransactionMatching::AmountChoice MatchTransactionsCommand::choiceForButton(int index) {
    switch (index) {
        case 0:
            return TransactionMatching::AmountChoice::UseImported;
        case 2:
            return TransactionMatching::AmountChoice::UsePending;
        default:
            return TransactionMatching::AmountChoice::Cancel;
    }
}
