#include <gtest/gtest.h>

#include <string>

#include "TestApplicationModel.h"
#include "base/AssertionFailure.h"
#include "base/Clock.h"
#include "ledger/Account.h"
#include "ledger/AccountGroup.h"
#include "ledger/AccountTreeCommands.h"
#include "ledger/Node.h"
#include "ledger/Transaction.h"
#include "ledger/TransferCommands.h"
#include "store/ObjectContext.h"

namespace {

using Verdict = CommandCheck::Verdict;

class AccountTreeCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        Clock::setFixedToday(Date::dateWithYear_PN(2026, 3, 15));
        root = ctx.insert<Node>();
        root->setIdentifier("accounts");
        bank = &AccountTreeCommands::addGroup(ctx, *root, "Bank");
        checking = addAccount("Checking", bank);
        savings = addAccount("Savings", bank);
        empty = &AccountTreeCommands::addGroup(ctx, *root, "Empty");
        wallet = addAccount("Wallet", root);
    }
    void TearDown() override { Clock::reset(); }

    Account* addAccount(const std::string& name, Node* parent) {
        Account* account = ctx.insert<Account>();
        account->setName(name);
        account->moveTo(parent, static_cast<std::int64_t>(parent->children().size()));
        return account;
    }

    ObjectContext ctx{applicationModel()};
    Node* root = nullptr;
    AccountGroup* bank = nullptr;
    AccountGroup* empty = nullptr;
    Account* checking = nullptr;
    Account* savings = nullptr;
    Account* wallet = nullptr;
};

TEST_F(AccountTreeCommandsTest, DeletingAsksForAnAccountRefusesAFullGroupAndTakesAnEmptyOne) {
    const struct {
        const char* name;
        Node* node;
        std::string menuTitle;
        Verdict verdict;
        std::string message;
        std::string informativeText;
    } cases[] = {
        {"account", checking, "Delete Account...", Verdict::Confirm,
         "Are you sure you want to delete this account?",
         "All transactions within the account will be deleted as well."},
        {"group with accounts", bank, "Delete Account Group", Verdict::Refuse,
         "Account group cannot be deleted because it still contains accounts.",
         "To delete this account group, first remove all accounts within it."},
        {"empty group", empty, "Delete Account Group", Verdict::Proceed, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(AccountTreeCommands::deleteMenuItem(*c.node),
                  (MenuItemState{.enabled = true, .title = c.menuTitle}));
        const CommandCheck check = AccountTreeCommands::checkDelete(*c.node);
        EXPECT_EQ(check.verdict, c.verdict);
        EXPECT_EQ(check.alert.message, c.message);
        EXPECT_EQ(check.alert.informativeText, c.informativeText);
    }
    EXPECT_EQ(AccountTreeCommands::checkDelete(*checking).alert.buttons,
              (std::vector<std::string>{"Delete", "Cancel"}));
}

TEST_F(AccountTreeCommandsTest, DeletingAnAccountTakesItsTransactionsAndClosesTheGap) {
    Transaction* lunch = checking->createTransactionWithDate(Date::today_PN(), "Lunch",
                                                             Decimal(-12), nullptr, {}, {});
    AccountTreeCommands::performDelete(*checking, ctx);
    EXPECT_TRUE(lunch->isDeleted());
    EXPECT_EQ(savings->index(), 0);
    EXPECT_EQ(bank->children().size(), 1u);
    AccountTreeCommands::performDelete(*empty, ctx);
    EXPECT_EQ(wallet->index(), 1);
    EXPECT_THROW(AccountTreeCommands::performDelete(*bank, ctx), AssertionFailure);
}

TEST_F(AccountTreeCommandsTest, MovesKeepGroupsOutOfGroupsAndPositionsWithinTheParent) {
    const struct {
        const char* name;
        Node* node;
        Node* parent;
        std::int64_t index;
        std::string refusal;  // empty: allowed
    } cases[] = {
        {"account into a group", wallet, bank, 0, ""},
        {"account after the group's last", wallet, bank, 2, ""},
        {"account past the group's end", wallet, bank, 3, "The index must be from 0 to 2."},
        {"negative position", wallet, root, -1, "The index must be from 0 to 3."},
        {"group to the root's end", empty, root, 3, ""},
        {"group into a group", empty, bank, 0,
         "An account group cannot be put inside another group."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CommandCheck check = AccountTreeCommands::checkMove(*c.node, *c.parent, c.index);
        EXPECT_EQ(check.isRefused(), !c.refusal.empty());
        EXPECT_EQ(check.alert.message, c.refusal);
    }
    AccountTreeCommands::performMove(*wallet, *bank, 1, *root);
    EXPECT_EQ(wallet->parent(), bank);
    EXPECT_EQ(wallet->index(), 1);
    EXPECT_EQ(savings->index(), 2);
    EXPECT_THROW(AccountTreeCommands::performMove(*empty, *bank, 0, *root), AssertionFailure);
    EXPECT_EQ(empty->parent(), root);
}

TEST_F(AccountTreeCommandsTest, AnAccountNameIsTakenWithoutRegardToCaseAndDiacritics) {
    const struct {
        std::string name;
        const Account* except;
        bool refused;
    } cases[] = {
        {"CHECKING", nullptr, true}, {"Chécking", nullptr, true}, {"Checking", checking, false},
        {"Check*", nullptr, false},  {"Purse", nullptr, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CommandCheck check =
            AccountTreeCommands::checkAccountNameIsFree(ctx, c.name, c.except);
        EXPECT_EQ(check.isRefused(), c.refused);
        if (c.refused) {
            EXPECT_EQ(check.alert.message, "An account named \"" + c.name + "\" exists already.");
        }
    }
}

TEST_F(AccountTreeCommandsTest, RenamingAndTransfersToTheSameAccount) {
    AccountTreeCommands::rename(*checking, "Main");
    AccountTreeCommands::rename(*bank, "Banks");
    EXPECT_EQ(checking->name(), "Main");
    EXPECT_EQ(bank->name(), "Banks");
    EXPECT_EQ(TransferCommands::checkTransfer(*wallet, *wallet).alert.message,
              "An account cannot transfer to itself.");
    EXPECT_FALSE(TransferCommands::checkTransfer(*wallet, *checking).isRefused());
}

}  // namespace
