#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/AssertionFailure.h"
#include "base/Clock.h"
#include "budgets/Budget.h"
#include "ledger/Account.h"
#include "ledger/AccountGroup.h"
#include "ledger/AccountTreeCommands.h"
#include "ledger/Node.h"
#include "scheduled/ScheduledItem.h"
#include "session/ApplicationModel.h"
#include "session/SourceListCommands.h"
#include "session/SourceListTree.h"
#include "store/ObjectContext.h"

namespace {

using Kind = SourceListItem::Kind;
using Verdict = CommandCheck::Verdict;

class SourceListCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        Clock::setFixedToday(Date::dateWithYear_PN(2026, 3, 15));
        root = ctx.insert<Node>();
        root->setIdentifier("accounts");
        bank = &AccountTreeCommands::addGroup(ctx, *root, "Bank");
        checking = addAccount("Checking", bank, "checking");
        wallet = addAccount("Wallet", root, "cash");
        home = ctx.insert<Budget>();
        home->setName("Home");
        rent = scheduled("Rent");
        phone = scheduled("Phone");
    }
    void TearDown() override { Clock::reset(); }

    Account* addAccount(const std::string& name, Node* parent, const std::string& type) {
        Account* account = ctx.insert<Account>();
        account->setName(name);
        account->setType(type);
        account->moveTo(parent, static_cast<std::int64_t>(parent->children().size()));
        return account;
    }
    ScheduledItem* scheduled(const std::string& title) {
        auto* item = ctx.insert<ScheduledItem>();
        item->setTitle(title);
        item->setAccount(checking);
        item->setNextDueDate(Date::today_PN());
        return item;
    }
    static SourceListItem item(ManagedObject* object) { return SourceListItem::forObject(object); }
    static SourceListItem fixed(Kind kind) { return SourceListItem::fixed(kind); }

    ObjectContext ctx{ApplicationModel::shared()};
    Node* root = nullptr;
    AccountGroup* bank = nullptr;
    Account* checking = nullptr;
    Account* wallet = nullptr;
    Budget* home = nullptr;
    ScheduledItem* rent = nullptr;
    ScheduledItem* phone = nullptr;
};

TEST_F(SourceListCommandsTest, DeleteReadsAndAsksAfterTheSelectedKind) {
    const struct {
        const char* name;
        SourceListCommands::Selection selection;
        bool enabled;
        std::string title;
        Verdict verdict;
        std::string message;
    } cases[] = {
        {"account",
         {item(checking)},
         true,
         "Delete Account...",
         Verdict::Confirm,
         "Are you sure you want to delete this account?"},
        {"group",
         {item(bank)},
         true,
         "Delete Account Group",
         Verdict::Refuse,
         "Account group cannot be deleted because it still contains accounts."},
        {"budget",
         {item(home)},
         true,
         "Delete Budget...",
         Verdict::Confirm,
         "Are you sure you want to delete this budget?"},
        {"one scheduled item",
         {fixed(Kind::Scheduled), {rent}},
         true,
         "Delete",
         Verdict::Confirm,
         "Are you sure you want to delete the scheduled transaction \"Rent\"?"},
        {"two scheduled items",
         {fixed(Kind::Scheduled), {rent, phone}},
         true,
         "Delete",
         Verdict::Confirm,
         "Are you sure you want to delete the selected 2 scheduled transactions?"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SourceListCommands::deleteMenuItem(c.selection),
                  (MenuItemState{.enabled = c.enabled, .title = c.title}));
        const CommandCheck check = SourceListCommands::checkDelete(c.selection);
        EXPECT_EQ(check.verdict, c.verdict);
        EXPECT_EQ(check.alert.message, c.message);
    }
    EXPECT_EQ(SourceListCommands::checkDelete({item(home)}).alert.informativeText,
              "This action cannot be undone.");
    EXPECT_EQ(
        SourceListCommands::checkDelete({fixed(Kind::Scheduled), {rent}}).alert.informativeText,
        "This will not affect transactions that has already been paid or deposited.");
    for (Kind kind : {Kind::AllAccounts, Kind::Scheduled, Kind::TrendsChart, Kind::None}) {
        SCOPED_TRACE(static_cast<int>(kind));
        EXPECT_EQ(SourceListCommands::deleteMenuItem({fixed(kind)}),
                  (MenuItemState{.enabled = false, .title = "Delete"}));
        EXPECT_THROW((void)SourceListCommands::checkDelete({fixed(kind)}), AssertionFailure);
    }
}

TEST_F(SourceListCommandsTest, DeletingABudgetOrScheduledItemsRemovesThem) {
    SourceListCommands::performDelete({item(home)}, ctx);
    EXPECT_TRUE(home->isDeleted());
    SourceListCommands::performDelete({fixed(Kind::Scheduled), {rent, phone}}, ctx);
    EXPECT_TRUE(rent->isDeleted());
    EXPECT_TRUE(phone->isDeleted());
    SourceListCommands::performDelete({item(wallet)}, ctx);
    EXPECT_TRUE(wallet->isDeleted());
    EXPECT_EQ(root->children().size(), 1u);
}

TEST_F(SourceListCommandsTest, AfterADeleteTheRowKeepsTheSelectionOrFallsBack) {
    const SourceListItem transactions = fixed(Kind::TransactionsHeader);
    const SourceListItem all = fixed(Kind::AllAccounts);
    const SourceListItem charts = fixed(Kind::ChartsHeader);
    const SourceListItem budgets = fixed(Kind::BudgetsHeader);
    const SourceListItem breakdown = fixed(Kind::BreakdownChart);
    const std::vector<SourceListItem> withBudget = {transactions, all,     item(wallet), charts,
                                                    breakdown,    budgets, item(home)};
    const std::vector<SourceListItem> withoutBudget = {transactions, all,       item(wallet),
                                                       charts,       breakdown, budgets};
    const struct {
        const char* name;
        const std::vector<SourceListItem>& rows;
        int deletedRow;
        SourceListItem expected;
    } cases[] = {
        {"the row below moves up", withBudget, 2, item(wallet)},
        {"onto Charts: the row above", withBudget, 3, item(wallet)},
        {"onto the Budgets header: the last budget", withBudget, 5, item(home)},
        {"past the end: the last budget", withBudget, 7, item(home)},
        {"past the end without budgets: All Accounts", withoutBudget, 6, all},
        {"no selection before", withoutBudget, -1, all},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SourceListCommands::selectionAfterDelete(c.rows, c.deletedRow), c.expected);
    }
}

TEST_F(SourceListCommandsTest, RenameAndAccountCommandsFollowTheSelection) {
    EXPECT_TRUE(SourceListCommands::rename(item(checking), "Main"));
    EXPECT_TRUE(SourceListCommands::rename(item(bank), "Banks"));
    EXPECT_TRUE(SourceListCommands::rename(item(home), "House"));
    EXPECT_FALSE(SourceListCommands::rename(fixed(Kind::AllAccounts), "All"));
    EXPECT_EQ(checking->name(), "Main");
    EXPECT_EQ(bank->name(), "Banks");
    EXPECT_EQ(home->name(), "House");

    EXPECT_TRUE(SourceListCommands::renameMenuItem(item(home)).enabled);
    EXPECT_FALSE(SourceListCommands::renameMenuItem(fixed(Kind::Scheduled)).enabled);
    EXPECT_TRUE(SourceListCommands::editAccountMenuItem(item(wallet)).enabled);
    EXPECT_FALSE(SourceListCommands::editAccountMenuItem(item(bank)).enabled);
    // A cash account has no statements to import.
    EXPECT_TRUE(SourceListCommands::importFromBankMenuItem(item(checking)).enabled);
    EXPECT_FALSE(SourceListCommands::importFromBankMenuItem(item(wallet)).enabled);
    EXPECT_FALSE(SourceListCommands::checkImportFromBank(item(wallet)).isRefused());
    const CommandCheck noAccount = SourceListCommands::checkImportFromBank(item(bank));
    EXPECT_EQ(noAccount.alert.message, "No account is selected.");
    EXPECT_EQ(noAccount.alert.informativeText,
              "Please select an account from the list on the left side of the window");
}

TEST_F(SourceListCommandsTest, TheTreeListsEntriesAsShownWithGroupsOpenOrClosed) {
    SourceListTree tree(ctx, *root);
    const auto titles = [](const std::vector<SourceListItem>& rows) {
        std::vector<int> kinds;
        for (const SourceListItem& row : rows) {
            kinds.push_back(static_cast<int>(row.kind()));
        }
        return kinds;
    };
    const std::vector<SourceListItem> open =
        tree.visibleRows([](const SourceListItem&) { return true; });
    const std::vector<SourceListItem> closed =
        tree.visibleRows([](const SourceListItem&) { return false; });
    EXPECT_EQ(open, (std::vector<SourceListItem>{
                        fixed(Kind::TransactionsHeader), fixed(Kind::AllAccounts), item(bank),
                        item(checking), item(wallet), fixed(Kind::Scheduled),
                        fixed(Kind::ChartsHeader), fixed(Kind::BreakdownChart),
                        fixed(Kind::TrendsChart), fixed(Kind::BudgetsHeader), item(home)}));
    EXPECT_EQ(titles(closed).size(), open.size() - 1);
    EXPECT_EQ(tree.parent(item(checking)), item(bank));
    EXPECT_EQ(tree.row(item(wallet)), 2);
}

}  // namespace
