// Sort IDs that the check on opening must find repeated, wherever in their range they lie.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "LedgerTestSupport.h"
#include "TestApplicationModel.h"
#include "ledger/Account.h"
#include "ledger/Global.h"
#include "ledger/LedgerStoreCheck.h"
#include "ledger/Transaction.h"
#include "store/ObjectContext.h"

namespace {

constexpr std::int64_t kFar = std::int64_t{1} << 40;

struct SortIDCase {
    const char* name;
    std::vector<std::int64_t> sortIDs;  // in the order the transactions were made
    std::int64_t nextSortID;
    std::optional<std::size_t> repeated;  // the transaction named, if any
};

const SortIDCase kSortIDCases[] = {
    {"counting up", {0, 1, 2}, 3, std::nullopt},
    {"the last repeats the one before", {0, 1, 1}, 3, 2},
    {"across a word of bits", {63, 64, 0, 64}, 65, 3},
    {"the first and the last bit", {0, 64, 0}, 65, 2},
    {"negative ones repeated", {-5, 2, -5}, 3, 2},
    {"negative ones apart", {-5, 2, -6}, 3, std::nullopt},
    {"far apart", {0, kFar, 7}, kFar + 1, std::nullopt},
    {"far apart and repeated", {0, kFar, kFar}, kFar + 1, 2},
    {"far apart, the small one repeated", {7, kFar, 7}, kFar + 1, 2},
};

TEST(LedgerStoreCheck, FindsTheFirstTransactionWhoseSortIDWasSeenBefore) {
    for (const SortIDCase& c : kSortIDCases) {
        SCOPED_TRACE(c.name);
        ObjectContext ctx(applicationModel());
        Global* global = Global::sharedInstanceInContext(ctx);
        Account* account = ctx.insert<Account>();
        std::vector<Transaction*> made;
        for (std::int64_t sortID : c.sortIDs) {
            Transaction* t =
                account->createTransactionWithDate(ymd(2026, 3, 1), std::string("Rent"), dec("-10"),
                                                   nullptr, std::nullopt, std::nullopt);
            t->setSortID(sortID);
            made.push_back(t);
        }
        global->setNextSortID(c.nextSortID);

        const std::optional<std::string> damage =
            LedgerStoreCheck::findDamage(ctx, "/nonexistent/currencies.plist");
        if (c.repeated) {
            EXPECT_EQ(damage, "the value of sortID of Transaction " +
                                  std::to_string(made[*c.repeated]->objectID()) + " is damaged");
        } else {
            EXPECT_EQ(damage, std::nullopt);
        }
    }
}

}  // namespace
