// The FIT ID counts the uniqueness rule reads must equal those walked from the transactions
// after every change of a FIT ID or an account, insert, delete, undo and redo.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "TestApplicationModel.h"
#include "ledger/Account.h"
#include "ledger/FitIDIndex.h"
#include "ledger/Transaction.h"
#include "store/ObjectContext.h"
#include "store/UndoGrouping.h"

namespace {

const char* const kFitIDs[] = {"A", "B", "C"};

std::size_t countByWalking(ObjectContext& ctx, const Account* account, const std::string& fitID) {
    return Transaction::countWithPredicate(
        [&](const Transaction& t) { return t.account() == account && t.ofxFitID() == fitID; }, ctx);
}

TEST(FitIDIndex, FollowsEveryChangeOfAccountsAndFitIDs) {
    ObjectContext ctx(applicationModel());
    std::vector<Account*> accounts{nullptr, ctx.insert<Account>(), ctx.insert<Account>()};
    std::mt19937 rng(7);
    std::vector<Transaction*> transactions;
    FitIDIndex& index = FitIDIndex::of(ctx);
    for (int step = 0; step < 400; ++step) {
        SCOPED_TRACE(step);
        std::vector<Transaction*> live;
        for (Transaction* t : transactions) {
            if (!t->isDeleted()) {
                live.push_back(t);
            }
        }
        Transaction* t = live.empty() ? nullptr : live[rng() % live.size()];
        const unsigned op = rng() % 6;
        if (op == 5) {
            ctx.undo();
        } else {
            UndoGrouping group(ctx.undoManager());
            if (op == 0 || t == nullptr) {
                transactions.push_back(ctx.insert<Transaction>());
                transactions.back()->setOfxFitID(std::string(kFitIDs[rng() % 3]));
            } else if (op == 1) {
                t->setOfxFitID(rng() % 4 == 0 ? std::nullopt
                                              : std::optional<std::string>(kFitIDs[rng() % 3]));
            } else if (op == 2 || op == 3) {
                t->setAccount(accounts[rng() % accounts.size()]);
            } else {
                ctx.deleteObject(*t);
            }
        }
        for (const Account* account : accounts) {
            for (const char* fitID : kFitIDs) {
                ASSERT_EQ(index.count(account, fitID), countByWalking(ctx, account, fitID));
            }
        }
    }
}

}  // namespace
