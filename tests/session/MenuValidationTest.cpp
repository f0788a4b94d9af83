#include <gtest/gtest.h>

#include <string>

#include "ledger/Account.h"
#include "ledger/Transaction.h"
#include "scheduled/ScheduledItem.h"
#include "session/ApplicationModel.h"
#include "session/ContentView.h"
#include "session/MenuValidation.h"
#include "store/ObjectContext.h"

namespace {

using Kind = SourceListItem::Kind;

MenuValidation::State onMainWindow(Kind kind = Kind::AllAccounts) {
    return {.storeOpen = true, .selection = {.item = SourceListItem::fixed(kind)}};
}

MenuValidation::State withAccountRegister(bool balanceColumnVisible) {
    MenuValidation::State state = onMainWindow();
    state.showsAccountRegister = true;
    state.balanceColumnVisible = balanceColumnVisible;
    return state;
}

TEST(MenuValidation, CommandsFollowWhatTheMainWindowShows) {
    MenuValidation::State welcome = onMainWindow();
    welcome.welcomeWindowVisible = true;
    MenuValidation::State noStore;
    MenuValidation::State sample = onMainWindow();
    sample.sampleMode = true;
    MenuValidation::State undoable = onMainWindow();
    undoable.canUndo = true;
    MenuValidation::State limitSelected = onMainWindow(Kind::Budget);
    limitSelected.budgetLimitSelected = true;

    const struct {
        const char* name;
        MenuCommand command;
        MenuValidation::State state;
        bool enabled;
        std::string title;  // empty: the command keeps its own title
    } cases[] = {
        {"support on the welcome window", MenuCommand::ShowSupport, welcome, true, ""},
        {"website on the welcome window", MenuCommand::ShowWebsite, welcome, false, ""},
        {"new account on the welcome window", MenuCommand::NewAccount, welcome, false, ""},
        {"new account without a store", MenuCommand::NewAccount, noStore, false, ""},
        {"website without a store", MenuCommand::ShowWebsite, noStore, true, ""},
        {"new account", MenuCommand::NewAccount, onMainWindow(), true, ""},
        {"new transaction in an account", MenuCommand::NewTransaction, withAccountRegister(false),
         true, "New Transaction"},
        {"new transaction in Scheduled", MenuCommand::NewTransaction, onMainWindow(Kind::Scheduled),
         true, "New Scheduled Transaction"},
        {"new transaction elsewhere", MenuCommand::NewTransaction, onMainWindow(), false,
         "New Transaction"},
        {"new transaction on the welcome window", MenuCommand::NewTransaction, welcome, false,
         "New Transaction"},
        {"transfer in an account", MenuCommand::Transfer, withAccountRegister(false), true, ""},
        {"transfer elsewhere", MenuCommand::Transfer, onMainWindow(), false, ""},
        {"balance column shown", MenuCommand::ToggleBalanceColumn, withAccountRegister(true), true,
         "Hide Balance Column"},
        {"balance column hidden", MenuCommand::ToggleBalanceColumn, withAccountRegister(false),
         true, "Show Balance Column"},
        {"balance column elsewhere", MenuCommand::ToggleBalanceColumn, onMainWindow(), false,
         "Show Balance Column"},
        {"reconciled balance elsewhere", MenuCommand::ToggleStatusMessage, onMainWindow(), false,
         ""},
        {"quit sample in the sample", MenuCommand::QuitSample, sample, true, ""},
        {"quit sample in the own store", MenuCommand::QuitSample, onMainWindow(), false, ""},
        {"undo with something to undo", MenuCommand::Undo, undoable, true, ""},
        {"redo with nothing to redo", MenuCommand::Redo, undoable, false, ""},
        {"save as", MenuCommand::SaveAs, onMainWindow(), true, ""},
        {"save as without a store", MenuCommand::SaveAs, noStore, false, ""},
        {"delete with nothing to delete", MenuCommand::DeleteItem, onMainWindow(), false, "Delete"},
        {"rename All Accounts", MenuCommand::Rename, onMainWindow(), false, ""},
        {"edit account without one", MenuCommand::EditAccount, onMainWindow(), false, ""},
        {"trends from a budget", MenuCommand::ShowTrends, onMainWindow(Kind::Budget), true, ""},
        {"breakdown from Scheduled", MenuCommand::ShowBreakdown, onMainWindow(Kind::Scheduled),
         true, ""},
        {"trends without a store", MenuCommand::ShowTrends, noStore, false, ""},
        {"breakdown on the welcome window", MenuCommand::ShowBreakdown, welcome, false, ""},
        {"edit budget on a budget", MenuCommand::EditBudget, limitSelected, true, ""},
        {"edit budget elsewhere", MenuCommand::EditBudget, onMainWindow(), false, ""},
        {"edit limit of a selected category", MenuCommand::EditLimit, limitSelected, true, ""},
        {"edit limit without one", MenuCommand::EditLimit, onMainWindow(Kind::Budget), false, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const MenuItemState item = MenuValidation::validate(c.command, c.state);
        EXPECT_EQ(item.enabled, c.enabled);
        EXPECT_EQ(item.title.value_or(""), c.title);
    }
}

// The scheduled list's commands follow the items selected in it.
TEST(MenuValidation, ScheduledCommandsFollowTheListsSelection) {
    ObjectContext ctx{ApplicationModel::shared()};
    auto* bill = ctx.insert<ScheduledItem>();
    bill->setAmount(Decimal(-40));
    auto* payroll = ctx.insert<ScheduledItem>();
    payroll->setAmount(Decimal(1200));
    const auto withItems = [](std::vector<ScheduledItem*> items) {
        MenuValidation::State state = onMainWindow(Kind::Scheduled);
        state.selection.scheduledItems = std::move(items);
        return state;
    };
    const struct {
        const char* name;
        MenuCommand command;
        MenuValidation::State state;
        bool enabled;
        std::string title;
    } cases[] = {
        {"edit one", MenuCommand::EditScheduledItem, withItems({bill}), true, ""},
        {"edit two", MenuCommand::EditScheduledItem, withItems({bill, payroll}), false, ""},
        {"skip none", MenuCommand::SkipScheduledItem, withItems({}), false, ""},
        {"skip one", MenuCommand::SkipScheduledItem, withItems({payroll}), true, ""},
        {"pay a bill", MenuCommand::PayScheduledItem, withItems({bill}), true, "Pay..."},
        {"pay a deposit", MenuCommand::PayScheduledItem, withItems({payroll}), true, "Deposit..."},
        {"pay elsewhere", MenuCommand::PayScheduledItem, onMainWindow(), false, "Pay..."},
        {"delete two", MenuCommand::DeleteItem, withItems({bill, payroll}), true, "Delete"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const MenuItemState item = MenuValidation::validate(c.command, c.state);
        EXPECT_EQ(item.enabled, c.enabled);
        EXPECT_EQ(item.title.value_or(""), c.title);
    }
}

// The register's commands act on its selection; Delete does only while its table has the
// focus, and acts on the source list's item otherwise.
TEST(MenuValidation, RegisterCommandsFollowItsSelectionAndFocus) {
    ObjectContext ctx{ApplicationModel::shared()};
    auto* rent = ctx.insert<Transaction>();
    rent->setIsPending(true);
    auto* food = ctx.insert<Transaction>();
    const auto shown = [](std::vector<Transaction*> selection, bool focused) {
        MenuValidation::State state = onMainWindow(Kind::AllAccounts);
        state.showsRegister = true;
        state.selectedTransactions = std::move(selection);
        state.registerHasFocus = focused;
        return state;
    };
    MenuValidation::State budget = onMainWindow(Kind::Budget);
    budget.selectedTransactions = {rent};
    const struct {
        const char* name;
        MenuCommand command;
        MenuValidation::State state;
        bool enabled;
        std::string title;
    } cases[] = {
        {"edit one", MenuCommand::EditTransaction, shown({rent}, true), true, ""},
        {"edit two", MenuCommand::EditTransaction, shown({rent, food}, true), false, ""},
        {"edit outside a register", MenuCommand::EditTransaction, budget, false, ""},
        {"flag a pending one", MenuCommand::ToggleTransactionFlag, shown({rent}, false), true,
         "Mark as Not Pending"},
        {"flag outside a register", MenuCommand::ToggleTransactionFlag, budget, false,
         "Mark as Pending"},
        {"match refusals come as alerts", MenuCommand::MatchTransactions, shown({}, false), true,
         ""},
        {"match outside a register", MenuCommand::MatchTransactions, budget, false, ""},
        {"delete two from the table", MenuCommand::DeleteItem, shown({rent, food}, true), true,
         "Delete"},
        {"delete none from the table", MenuCommand::DeleteItem, shown({}, true), false, "Delete"},
        // All Accounts cannot be deleted, whatever the register has selected.
        {"delete from the source list", MenuCommand::DeleteItem, shown({rent}, false), false,
         "Delete"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const MenuItemState item = MenuValidation::validate(c.command, c.state);
        EXPECT_EQ(item.enabled, c.enabled);
        EXPECT_EQ(item.title.value_or(""), c.title);
    }
}

}  // namespace

namespace {

TEST(ContentViewChoice, EachSelectionPutsItsViewInTheContentArea) {
    const struct {
        Kind kind;
        bool storeHasAccounts;
        ContentView view;
    } cases[] = {
        {Kind::AllAccounts, true, ContentView::Register},
        {Kind::AllAccounts, false, ContentView::AddAccountMessage},
        {Kind::Account, true, ContentView::Register},
        {Kind::AccountGroup, true, ContentView::Register},
        {Kind::Scheduled, true, ContentView::ScheduledList},
        {Kind::Budget, false, ContentView::BudgetView},
        {Kind::TrendsChart, true, ContentView::TrendsChart},
        {Kind::BreakdownChart, true, ContentView::BreakdownReport},
        {Kind::ChartsHeader, true, ContentView::None},
        {Kind::None, true, ContentView::None},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.kind));
        EXPECT_EQ(contentViewFor(SourceListItem::fixed(c.kind), c.storeHasAccounts), c.view);
    }
}

}  // namespace
