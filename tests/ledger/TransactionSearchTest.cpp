// Searching transactions by their keywords, and the folded keywords staying right as the
// store changes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LedgerTestSupport.h"
#include "TestApplicationModel.h"
#include "ledger/Account.h"
#include "ledger/AccountGroup.h"
#include "ledger/Category.h"
#include "ledger/KeywordIndex.h"
#include "ledger/Split.h"
#include "ledger/Transaction.h"
#include "ledger/TransactionSearch.h"
#include "store/ObjectContext.h"
#include "store/UndoGrouping.h"

namespace {

class TransactionSearchTest : public ::testing::Test {
protected:
    Transaction* add(const char* title, const char* amount, Category* category = nullptr,
                     Account* in = nullptr, int day = 1) {
        return (in ? in : account)
            ->createTransactionWithDate(ymd(2026, 3, day), std::string(title), dec(amount),
                                        category, std::nullopt, std::nullopt);
    }
    Category* category(const char* name) {
        Category* c = ctx.insert<Category>();
        c->setName(name);
        return c;
    }
    std::vector<std::string> titlesFound(const std::string& text,
                                         TransactionSearch::Scope scope = {}) {
        std::vector<std::string> titles;
        for (const Transaction* t : TransactionSearch::search(ctx, scope, text)) {
            titles.emplace_back(t->title().value_or(""));
        }
        return titles;
    }

    ObjectContext ctx{applicationModel()};
    Account* account = ctx.insert<Account>();
};

TEST_F(TransactionSearchTest, MatchesTitleCategoryNotesAndAmountIgnoringCaseAndMarks) {
    add("Rent", "-1200.00", nullptr, nullptr, 1);
    add("Hertz", "-80.00", category("Rental car"), nullptr, 2);
    add("Cafe Luna", "-4.20", nullptr, nullptr, 3);
    add("Bakery", "-45.50", nullptr, nullptr, 4);
    Transaction* noted = add("Gift", "25.00", nullptr, nullptr, 5);
    noted->setNotes(std::string("for Zoë"));
    struct Case {
        const char* text;
        std::vector<std::string> titles;  // newest first
    };
    const Case cases[] = {
        {"rent", {"Hertz", "Rent"}},
        {"café", {"Cafe Luna"}},
        {"CAFE", {"Cafe Luna"}},
        {"45.5", {"Bakery"}},
        {"-45", {}},  // the amount is searched without its sign
        {"zoe", {"Gift"}},
        {"", {"Gift", "Bakery", "Cafe Luna", "Hertz", "Rent"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(titlesFound(c.text), c.titles);
    }
}

TEST_F(TransactionSearchTest, ScopeIsTheAccountTheGroupOrEverything) {
    AccountGroup* group = ctx.insert<AccountGroup>();
    Account* card = ctx.insert<Account>();
    card->moveTo(group, 0);
    Account* cash = ctx.insert<Account>();
    add("Rent here", "-1", nullptr, account, 1);
    add("Rent on card", "-1", nullptr, card, 2);
    add("Rent in cash", "-1", nullptr, cash, 3);
    EXPECT_EQ(titlesFound("rent", {account, nullptr}), std::vector<std::string>{"Rent here"});
    EXPECT_EQ(titlesFound("rent", {nullptr, group}), std::vector<std::string>{"Rent on card"});
    EXPECT_EQ(titlesFound("rent").size(), 3u);
}

// The folded keywords are kept between searches; every change that alters them must show
// in the next search, undo included.
TEST_F(TransactionSearchTest, KeptKeywordsFollowEveryChange) {
    Category* food = category("Food");
    Transaction* t = add("Market", "-10.00", food);
    EXPECT_EQ(titlesFound("food"), std::vector<std::string>{"Market"});
    EXPECT_EQ(KeywordIndex::of(ctx).foldedKeywords(*t), "market food 10.00");

    food->setName("Groceries");
    EXPECT_TRUE(titlesFound("food").empty());
    EXPECT_EQ(titlesFound("grocer").size(), 1u);

    (*t->splits().begin())->setCategory(nullptr);
    EXPECT_TRUE(titlesFound("grocer").empty());
    Split* extra = ctx.insert<Split>();
    extra->setCategory(category("Household"));
    t->addSplitsObject(extra);
    EXPECT_EQ(titlesFound("household").size(), 1u);

    t->setAmount(dec("-12.25"));
    EXPECT_EQ(titlesFound("12.25").size(), 1u);
    EXPECT_TRUE(titlesFound("10.00").empty());

    {
        UndoGrouping group(ctx.undoManager());
        t->setTitle(std::string("Bazaar"));
        t->setNotes(std::string("weekly"));
    }
    EXPECT_EQ(titlesFound("weekly"), std::vector<std::string>{"Bazaar"});
    ctx.undo();
    EXPECT_TRUE(titlesFound("weekly").empty());
    EXPECT_EQ(titlesFound("market").size(), 1u);
    ctx.redo();
    EXPECT_EQ(titlesFound("bazaar").size(), 1u);

    ctx.deleteObject(*t);
    EXPECT_TRUE(titlesFound("bazaar").empty());
}

// Folding ahead in slices while the user works: a transaction deleted or changed between
// slices must neither be reached through a stale pointer nor keep an outdated text.
TEST_F(TransactionSearchTest, FoldingAheadInSlicesFollowsChangesBetweenSlices) {
    std::vector<Transaction*> added;
    for (const char* title : {"Alpha", "Bravo", "Charlie", "Delta", "Echo", "Foxtrot"}) {
        added.push_back(add(title, "-1.00"));
    }
    KeywordIndex& index = KeywordIndex::of(ctx);
    EXPECT_TRUE(index.foldAhead(2));
    ctx.deleteObject(*added[0]);
    ctx.deleteObject(*added[5]);
    added[3]->setTitle(std::string("Dune"));
    Transaction* late = add("Golf", "-2.50");
    EXPECT_FALSE(index.foldAhead(100));
    EXPECT_FALSE(index.foldAhead(100));

    EXPECT_EQ(index.foldedKeywords(*added[3]), "dune 1.00");
    EXPECT_EQ(index.foldedKeywords(*late), "golf 2.50");
    EXPECT_EQ(titlesFound("o"), (std::vector<std::string>{"Golf", "Echo", "Bravo"}));
    EXPECT_TRUE(titlesFound("delta").empty());
}

}  // namespace
