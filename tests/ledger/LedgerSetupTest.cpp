// The account root, the default categories, and the account sheets' and categories pane's
// decisions.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "LedgerTestSupport.h"
#include "TestApplicationModel.h"
#include "base/NotificationCenter.h"
#include "ledger/Account.h"
#include "ledger/AccountSheets.h"
#include "ledger/AccountsRoot.h"
#include "ledger/Category.h"
#include "ledger/CategoryGroup.h"
#include "ledger/CategoryPaneDecisions.h"
#include "ledger/DefaultCategories.h"
#include "ledger/Transaction.h"
#include "store/InMemoryStore.h"
#include "store/ObjectContext.h"

namespace {

class LedgerSetup : public ::testing::Test {
protected:
    ObjectContext ctx{applicationModel()};
};

TEST_F(LedgerSetup, AccountsRootIsFoundOrMadeAndNeverDoubled) {
    Node& root = AccountsRoot::setup(ctx);
    EXPECT_EQ(root.identifier(), std::string("accounts"));
    EXPECT_EQ(&AccountsRoot::setup(ctx), &root);
    ctx.insert<Node>()->setIdentifier(std::string("accounts"));
    EXPECT_EQ(assertionMessage([&] { (void)AccountsRoot::setup(ctx); }),
              "too many account root nodes");
}

TEST_F(LedgerSetup, DefaultCategoriesAreTheEightInOrderPostedAndSaved) {
    ctx.setPersistentStore(std::make_unique<InMemoryStore>());
    int posted = 0;
    auto observer = NotificationCenter::defaultCenter().observe(
        kPNCategoriesChanged, [&](const std::string&) { ++posted; });
    EXPECT_FALSE(DefaultCategories::insertInto(ctx).has_value());
    std::vector<std::string> names;
    for (const Category* category : Category::allInContext(ctx)) {
        names.push_back(category->name());
        EXPECT_EQ(category->group(), nullptr);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Household", "Groceries", "Dining", "Gas",
                                               "Clothing", "Utilities", "Income", "Transfer"}));
    EXPECT_EQ(posted, 1);
    EXPECT_FALSE(ctx.hasChanges());
}

TEST_F(LedgerSetup, NewAccountGoesToTheEndOfTheRootWithItsType) {
    Node& root = AccountsRoot::setup(ctx);
    AccountSheets::confirmNewAccount(ctx, root, {"First", 0, nullptr, Decimal(), ymd(2011, 1, 1)});
    Account& cash = AccountSheets::confirmNewAccount(
        ctx, root, {"Wallet", 3, nullptr, Decimal(20), ymd(2011, 2, 1)});
    EXPECT_EQ(cash.index(), 1);
    EXPECT_EQ(cash.type(), std::string("cash"));
    EXPECT_EQ(cash.startBalanceDate(), ymd(2011, 2, 1));
    EXPECT_TRUE(AccountSheets::showsHelpAfterCreating(cash));
    EXPECT_EQ(AccountSheets::typeAtPosition(2), "credit_card");
    EXPECT_EQ(AccountSheets::typeAtPosition(9), "other");
    EXPECT_EQ(AccountSheets::positionOfType(std::string("bogus")), 4);
    EXPECT_EQ(AccountSheets::positionOfType(std::nullopt), 4);
}

TEST_F(LedgerSetup, EditingTheStartBalanceMovesItsDateOnlyWhenTheAmountChanges) {
    Account* account = ctx.insert<Account>();
    account->setStartBalance(Decimal(100));
    account->setStartBalanceDate(ymd(2011, 3, 1));
    AccountSheets::confirmEdit(*account, {"Main", 1, nullptr, dec("100.00"), false}, false,
                               ymd(2012, 1, 1));
    EXPECT_EQ(account->startBalanceDate(), ymd(2011, 3, 1));
    EXPECT_EQ(account->name(), "Main");

    AccountSheets::confirmEdit(*account, {"Main", 1, nullptr, Decimal(50), true}, false,
                               ymd(2012, 1, 1));
    EXPECT_EQ(account->startBalanceDate(), ymd(2012, 1, 1));  // no transactions: today
    EXPECT_TRUE(account->isClosed());

    account->createTransactionWithDate(ymd(2011, 2, 10), std::nullopt, Decimal(1), nullptr,
                                       std::nullopt, std::nullopt);
    AccountSheets::confirmEdit(*account, {"Main", 1, nullptr, Decimal(60), true}, false,
                               ymd(2012, 1, 1));
    EXPECT_EQ(account->startBalanceDate(), ymd(2011, 2, 9));
}

TEST_F(LedgerSetup, RenameIsRefusedForAnyTakenNameButItsOwnExactName) {
    for (const char* name : {"Dining", "Groceries"}) {
        ctx.insert<Category>()->setName(name);
    }
    Category* dining = Category::findByName("Dining", ctx);
    const struct {
        const char* newName;
        CategoryPaneDecisions::Rename expected;
    } cases[] = {
        {"groceries", CategoryPaneDecisions::Rename::NameTaken},
        {"DINING", CategoryPaneDecisions::Rename::NameTaken},
        {"Dining", CategoryPaneDecisions::Rename::Accept},
        {"Eating out", CategoryPaneDecisions::Rename::Accept},
    };
    for (const auto& c : cases) {
        dining->setName("typed over");  // the pane's field edits the name before the decision
        EXPECT_EQ(CategoryPaneDecisions::rename(*dining, "Dining", c.newName, ctx), c.expected)
            << c.newName;
        EXPECT_EQ(dining->name(),
                  c.expected == CategoryPaneDecisions::Rename::Accept ? c.newName : "Dining");
        dining->setName("Dining");
    }
    EXPECT_EQ(CategoryPaneDecisions::nameTakenAlert("x").message,
              "The name x has already been taken. Please choose a different name");
}

TEST_F(LedgerSetup, DeleteDecisionsFollowUseAndContents) {
    using D = CategoryPaneDecisions::Delete;
    Category* food = ctx.insert<Category>();
    CategoryGroup* group = ctx.insert<CategoryGroup>();
    EXPECT_EQ(CategoryPaneDecisions::deleting(*food), D::ConfirmCategory);
    EXPECT_EQ(CategoryPaneDecisions::deleting(*group), D::GroupWithoutAsking);
    food->setGroup(group);
    ctx.insert<Account>()->createTransactionWithDate(ymd(2011, 1, 1), std::nullopt, Decimal(-5),
                                                     food, std::nullopt, std::nullopt);
    EXPECT_EQ(CategoryPaneDecisions::deleting(*food), D::CategoryInUse);
    EXPECT_EQ(CategoryPaneDecisions::deleting(*group), D::GroupNotEmpty);
    EXPECT_EQ(CategoryPaneDecisions::deleteAlert(D::ConfirmCategory).buttons,
              (std::vector<std::string>{"Delete this Category", "Cancel"}));
}

}  // namespace
