// Matching two selected transactions by hand, step by step as the register runs it.
#include <gtest/gtest.h>

#include <string>

#include "ImportTestSupport.h"
#include "TestApplicationModel.h"
#include "import/MatchTransactionsCommand.h"
#include "ledger/Split.h"
#include "ledger/Transaction.h"

namespace {

class MatchTransactionsCommandTest : public ::testing::Test {
protected:
    Transaction* transaction(const char* amount, bool imported) {
        Transaction* t = account->createTransactionWithDate(
            Date::dateWithYear_PN(2026, 3, 1), std::string(imported ? "BANK" : "Typed"),
            Decimal::fromString(amount), nullptr, std::nullopt, std::nullopt);
        if (imported) {
            t->setIsPending(false);
            t->setIsImported(true);
            t->setIsNew(true);
            t->setOfxAmount(Decimal::fromString(amount));
            t->setOfxTitle(std::string("BANK"));
            t->setOfxDate(Date::dateWithYear_PN(2026, 3, 2));
        }
        return t;
    }

    ObjectContext ctx{applicationModel()};
    Account* account = accountInTree(ctx);
};

TEST_F(MatchTransactionsCommandTest, AlertsAndTheAmountChoice) {
    struct Case {
        const char* pending;
        const char* imported;
        int amountButton;  // -1: no question expected
        bool matched;
        const char* finalAmount;
    };
    const Case cases[] = {
        {"-50.00", "-50.00", -1, true, "-50.00"},
        {"-49.00", "-50.00", 0, true, "-50.00"},   // Use Imported Amount
        {"-49.00", "-50.00", 2, true, "-49.00"},   // Use Pending Amount
        {"-49.00", "-50.00", 1, false, "-49.00"},  // Cancel
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.pending) + " " + std::to_string(c.amountButton));
        Transaction* pending = transaction(c.pending, false);
        Transaction* imported = transaction(c.imported, true);
        const std::vector<Transaction*> selection{imported, pending};
        EXPECT_TRUE(MatchTransactionsCommand::isEnabled(selection));
        ASSERT_FALSE(MatchTransactionsCommand::refusal(selection).has_value());
        EXPECT_EQ(MatchTransactionsCommand::confirmation().buttons,
                  (std::vector<std::string>{"Match", "Cancel"}));
        const TransactionMatching::Pair pair = MatchTransactionsCommand::pair(selection);
        EXPECT_EQ(pair.pending, pending);
        const std::optional<Alert> question = MatchTransactionsCommand::amountQuestion(pair);
        ASSERT_EQ(question.has_value(), c.amountButton >= 0);
        auto choice = TransactionMatching::AmountChoice::UseImported;
        if (question) {
            EXPECT_EQ(question->message,
                      "The amounts of the transactions being matched are different.");
            EXPECT_EQ(question->buttons, (std::vector<std::string>{"Use Imported Amount", "Cancel",
                                                                   "Use Pending Amount"}));
            choice = MatchTransactionsCommand::choiceForButton(c.amountButton);
        }
        EXPECT_EQ(MatchTransactionsCommand::perform(pair, choice), c.matched);
        EXPECT_EQ(imported->isDeleted(), c.matched);
        EXPECT_EQ(pending->isMatched(), c.matched);
        EXPECT_EQ(pending->amount(), Decimal::fromString(c.finalAmount));
        if (c.matched) {
            EXPECT_EQ(pending->ofxAmount(), Decimal::fromString(c.imported));
        }
    }
}

// A split pending transaction that takes the bank's amount keeps splits that add up.
TEST_F(MatchTransactionsCommandTest, TheImportedAmountKeepsTheSplitsAddingUp) {
    Transaction* pending = transaction("-100.00", false);
    pending->splits().toVector().front()->setAmount(Decimal(-60));
    Split* second = ctx.insert<Split>();
    second->setAmount(Decimal(-40));
    second->setTransaction(pending);
    Transaction* imported = transaction("-104.50", true);
    ASSERT_TRUE(MatchTransactionsCommand::perform({pending, imported},
                                                  TransactionMatching::AmountChoice::UseImported));
    Decimal sum;
    for (const Split* split : pending->splits()) {
        sum += split->amount();
    }
    EXPECT_EQ(pending->splits().size(), 3u);
    EXPECT_EQ(sum, Decimal::fromString("-104.50"));
    std::optional<ValidationError> error;
    EXPECT_TRUE(pending->validateSplits(error));
}

TEST_F(MatchTransactionsCommandTest, RefusalsHaveOneOKButton) {
    Transaction* pending = transaction("-1.00", false);
    const std::optional<Alert> one = MatchTransactionsCommand::refusal({pending});
    ASSERT_TRUE(one.has_value());
    EXPECT_EQ(*one, (Alert{"You must select two transactions to match together.",
                           "Select a pending and an imported transaction to merge them into one.",
                           {"OK"}}));
    // The same transaction twice is one transaction.
    EXPECT_EQ(MatchTransactionsCommand::refusal({pending, pending}), one);
}

}  // namespace
