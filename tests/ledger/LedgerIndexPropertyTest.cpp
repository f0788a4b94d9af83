// Balances, category sums and FIT ID counts answered from the context's indexes must equal
// what is walked from their definitions after every edit, insert, delete, undo and redo, and
// after savepoints are released or rolled back.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "TestApplicationModel.h"
#include "ledger/Account.h"
#include "ledger/Category.h"
#include "ledger/Currency.h"
#include "ledger/FitIDIndex.h"
#include "ledger/LedgerIndex.h"
#include "ledger/Split.h"
#include "ledger/Transaction.h"
#include "store/ObjectContext.h"

namespace {

const Date kDay0 = Date::dateWithYear_PN(2020, 1, 1);

Decimal runningByDefinition(const Transaction& t) {
    Decimal sum = t.account()->startBalance() + t.amount();
    for (const Transaction* other : t.account()->transactions()) {
        if (other->date() < t.date() ||
            (other->date() == t.date() && other->sortID() < t.sortID())) {
            sum += other->amount();
        }
    }
    return sum;
}

Decimal balanceOnDateByDefinition(const Account& a, std::optional<Date> day) {
    const Transaction* newest = nullptr;
    for (const Transaction* t : a.transactions()) {
        if ((!day || t->date() <= *day) &&
            (newest == nullptr || Transaction::precedesInStandardOrder(*t, *newest))) {
            newest = t;
        }
    }
    return newest ? runningByDefinition(*newest) : a.startBalance();
}

std::optional<Decimal> categorySumByDefinition(ObjectContext& ctx, const Category* c, Date from,
                                               Date to) {
    std::optional<Decimal> sum;
    for (const Split* s : Split::allInContext(ctx)) {
        const Transaction* t = s->transaction();
        if (s->category() == c && t && t->date() >= from && t->date() <= to) {
            sum = sum.value_or(Decimal()) + s->amountInHomeCurrency();
        }
    }
    return sum;
}

class LedgerIndexProperty : public ::testing::TestWithParam<unsigned> {
protected:
    template <class T>
    T* pick(const std::vector<T*>& from) {
        return from.empty() ? nullptr : from[rng() % from.size()];
    }
    Date someDay() { return kDay0.daysLater_PN(static_cast<int>(rng() % 40)); }
    Decimal someAmount() { return Decimal(static_cast<int>(rng() % 2001) - 1000) / Decimal(4); }

    void step() {
        const auto accounts = Account::allInContext(ctx);
        const auto transactions = Transaction::allInContext(ctx);
        const auto splits = Split::allInContext(ctx);
        Transaction* t = pick(transactions);
        Category* category = rng() % 4 == 0 ? nullptr : pick(categories);
        UndoGrouping group(ctx.undoManager());
        switch (rng() % 17) {
            case 0:
            case 1:
            case 2:
                if (Account* a = pick(accounts)) {
                    a->createTransactionWithDate(someDay(), std::string("x"), someAmount(),
                                                 category, std::nullopt, std::nullopt);
                }
                break;
            case 3:
                if (t)
                    t->setAmount(someAmount());
                break;
            case 4:
                if (t)
                    t->setDate(someDay());
                break;
            case 5:
                if (t)
                    t->setAccount(pick(accounts));
                break;
            case 6:
                if (t)
                    ctx.deleteObject(*t);
                break;
            case 7:
                if (t) {
                    Split* split = ctx.insert<Split>();
                    split->setAmount(someAmount());
                    split->setCategory(category);
                    t->addSplitsObject(split);
                }
                break;
            case 8:
                if (Split* s = pick(splits))
                    s->setAmount(someAmount());
                break;
            case 9:
                if (Split* s = pick(splits))
                    s->setCategory(category);
                break;
            case 10:
                if (t)
                    t->setIsPending(!t->isPending());
                break;
            case 11:
                if (Account* a = pick(accounts))
                    a->setCurrency(a->currency() ? nullptr : euro);
                else
                    euro->setRate(Decimal(static_cast<int>(rng() % 3) + 1));
                break;
            case 12:
                if (t)
                    t->setOfxFitID("F" + std::to_string(rng() % 3));
                break;
            case 13:
                if (ctx.savepointDepth() < 3)
                    ctx.setSavepoint();
                break;
            case 14:
                if (ctx.savepointDepth() > 0)
                    ctx.rollbackToSavepoint();
                break;
            case 15:
                if (ctx.savepointDepth() > 0) {
                    EXPECT_FALSE(ctx.releaseSavepoint());
                }
                break;
            default:
                if (rng() % 2 == 0 && ctx.undoManager().canUndo())
                    ctx.undo();
                else if (ctx.undoManager().canRedo())
                    ctx.redo();
                break;
        }
    }

    void expectIndexMatchesDefinitions() {
        for (Account* a : Account::allInContext(ctx)) {
            ASSERT_EQ(a->balance(), balanceOnDateByDefinition(*a, std::nullopt));
            const Date day = someDay();
            ASSERT_EQ(a->balanceOnDate(day), balanceOnDateByDefinition(*a, day));
            Decimal unreconciled;
            std::vector<Transaction*> expected = a->transactions().toVector();
            std::sort(expected.begin(), expected.end(), [](auto* x, auto* y) {
                return Transaction::precedesInStandardOrder(*x, *y);
            });
            ASSERT_EQ(a->orderedTransactions(), expected);
            for (const Transaction* t : expected) {
                ASSERT_EQ(t->runningBalance(), runningByDefinition(*t));
                if (t->isPending() || t->isGenerated())
                    unreconciled += t->amount();
            }
            ASSERT_EQ(a->reconciledBalance(), a->balance() - unreconciled);
        }
        const Date from = someDay();
        const Date to = from.daysLater_PN(static_cast<int>(rng() % 15));
        for (const Category* c : categories) {
            ASSERT_EQ(c->amountFromDate(from, to), categorySumByDefinition(ctx, c, from, to));
        }
        ASSERT_EQ(Category::uncategorizedAmountFromDate(from, to, ctx),
                  categorySumByDefinition(ctx, nullptr, from, to));
        std::optional<std::pair<Date, Date>> span;
        for (const Transaction* t : Transaction::allInContext(ctx)) {
            span = span ? std::pair{std::min(span->first, t->date()),
                                    std::max(span->second, t->date())}
                        : std::pair{t->date(), t->date()};
        }
        ASSERT_EQ(LedgerIndex::of(ctx).transactionDateSpan(), span);
        const std::vector<Transaction*> all = Transaction::allInContext(ctx);
        for (const Transaction* t : all) {
            if (t->ofxFitID()) {
                const auto same = std::count_if(all.begin(), all.end(), [t](const Transaction* o) {
                    return o->account() == t->account() && o->ofxFitID() == t->ofxFitID();
                });
                ASSERT_EQ(FitIDIndex::of(ctx).count(t->account(), std::string(*t->ofxFitID())),
                          static_cast<std::size_t>(same));
            }
        }
    }

    ObjectContext ctx{applicationModel()};
    std::mt19937 rng{GetParam()};
    std::vector<Category*> categories;
    Currency* euro = nullptr;
};

TEST_P(LedgerIndexProperty, AgreesWithTheDefinitionsAfterEveryChange) {
    {
        UndoGrouping group(ctx.undoManager());
        euro = ctx.insert<Currency>();
        euro->setCode("EUR");
        euro->setRate(Decimal(2));
        for (int i = 0; i < 3; ++i) {
            ctx.insert<Account>()->setStartBalance(Decimal(100 * i));
            categories.push_back(ctx.insert<Category>());
        }
    }
    ctx.undoManager().removeAllActions();
    for (int i = 0; i < 400; ++i) {
        step();
        SCOPED_TRACE(i);
        expectIndexMatchesDefinitions();
        if (HasFatalFailure())
            return;
    }
}

// Asked for the overall balance after loading, the index builds every account's order at
// once, on two threads when they hold many transactions; each must still be the account's
// own.
TEST(LedgerIndexOrders, BuiltTogetherEachHoldsItsAccountsTransactionsInOrderWithTheirSums) {
    ObjectContext ctx{applicationModel()};
    std::mt19937 rng{7};
    std::vector<Account*> accounts;
    for (int i = 0; i < 4; ++i) {
        accounts.push_back(ctx.insert<Account>());
        accounts.back()->setStartBalance(Decimal(10 * i));
    }
    // Uneven accounts, more transactions than one thread takes on.
    const std::size_t counts[] = {LedgerIndex::kTransactionsForTwoThreads / 2,
                                  LedgerIndex::kTransactionsForTwoThreads / 3,
                                  LedgerIndex::kTransactionsForTwoThreads / 4, 7};
    std::vector<Decimal> expected(accounts.size());
    for (std::size_t a = 0; a < accounts.size(); ++a) {
        expected[a] = accounts[a]->startBalance();
        for (std::size_t i = 0; i < counts[a]; ++i) {
            auto* t = ctx.insert<Transaction>();
            t->setDate(kDay0.daysLater_PN(static_cast<int>(rng() % 3000)));
            t->setSortID(static_cast<std::int64_t>(rng() % 1000000));
            t->setAmount(Decimal(static_cast<int>(rng() % 2001) - 1000) / Decimal(4));
            t->setAccount(accounts[a]);
            expected[a] += t->amount();
        }
    }
    ASSERT_GE(counts[0] + counts[1] + counts[2] + counts[3],
              LedgerIndex::kTransactionsForTwoThreads);

    Decimal overall;
    for (const Decimal& balance : expected) {
        overall += balance;
    }
    EXPECT_EQ(Account::overallBalanceInContext(ctx), overall);
    for (std::size_t a = 0; a < accounts.size(); ++a) {
        SCOPED_TRACE(a);
        const std::vector<Transaction*>& order =
            LedgerIndex::of(ctx).transactionsOldestFirst(*accounts[a]);
        ASSERT_EQ(order.size(), counts[a]);
        EXPECT_TRUE(std::ranges::all_of(
            order, [&](const Transaction* t) { return t->account() == accounts[a]; }));
        EXPECT_TRUE(std::is_sorted(order.begin(), order.end(),
                                   [](const Transaction* x, const Transaction* y) {
                                       return Transaction::precedesInStandardOrder(*y, *x);
                                   }));
        EXPECT_EQ(accounts[a]->balance(), expected[a]);
        if (!order.empty()) {
            EXPECT_EQ(order.back()->runningBalance(), expected[a]);
            EXPECT_EQ(order.front()->runningBalance(), runningByDefinition(*order.front()));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, LedgerIndexProperty, ::testing::Values(1u, 2u, 3u, 4u, 5u));

}  // namespace
