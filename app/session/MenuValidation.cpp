#include "session/MenuValidation.h"

#include "ledger/TransactionFlag.h"
#include "scheduled/ScheduledListCommands.h"

namespace {

using Kind = SourceListItem::Kind;

constexpr const char* kNewTransaction = "New Transaction";

MenuItemState enabledIf(bool enabled) {
    return {.enabled = enabled};
}

}  // namespace

MenuItemState MenuValidation::validate(MenuCommand command, const State& state) {
    MenuItemState item = validateSelectionCommand(command, state);
    if (state.welcomeWindowVisible) {
        item.enabled = command == MenuCommand::ShowSupport;
    }
    return item;
}

MenuItemState MenuValidation::validateSelectionCommand(MenuCommand command, const State& state) {
    const SourceListItem& selected = state.selection.item;
    switch (command) {
        case MenuCommand::DeleteItem:
            if (state.showsRegister && state.registerHasFocus) {
                return {.enabled = !state.selectedTransactions.empty(), .title = "Delete"};
            }
            return SourceListCommands::deleteMenuItem(state.selection);
        case MenuCommand::EditTransaction:
            return enabledIf(state.showsRegister && state.selectedTransactions.size() == 1);
        case MenuCommand::ToggleTransactionFlag: {
            const TransactionFlag::MenuItem flag = TransactionFlag::menuItem(
                state.showsRegister ? state.selectedTransactions : std::vector<Transaction*>{});
            return {.enabled = flag.enabled, .title = flag.title};
        }
        case MenuCommand::MatchTransactions:
            // What keeps a selection from matching is explained by the command's alerts.
            return enabledIf(state.showsRegister);
        case MenuCommand::Rename:
            return SourceListCommands::renameMenuItem(selected);
        case MenuCommand::EditAccount:
            return SourceListCommands::editAccountMenuItem(selected);
        case MenuCommand::ImportFromBank:
            return SourceListCommands::importFromBankMenuItem(selected);
        case MenuCommand::NewTransaction:
            if (state.showsAccountRegister) {
                return {.enabled = true, .title = kNewTransaction};
            }
            if (selected.kind() == Kind::Scheduled) {
                return {.enabled = true, .title = "New Scheduled Transaction"};
            }
            return {.enabled = false, .title = kNewTransaction};
        case MenuCommand::EditBudget:
            return enabledIf(state.storeOpen && selected.kind() == Kind::Budget);
        case MenuCommand::EditLimit:
            return enabledIf(state.storeOpen && state.budgetLimitSelected);
        case MenuCommand::EditScheduledItem:
            return ScheduledListCommands::editMenuItem(state.selection.scheduledItems);
        case MenuCommand::PayScheduledItem:
            return ScheduledListCommands::payMenuItem(state.selection.scheduledItems);
        case MenuCommand::SkipScheduledItem:
            return ScheduledListCommands::skipMenuItem(state.selection.scheduledItems);
        case MenuCommand::Transfer:
        case MenuCommand::ToggleStatusMessage:
            return enabledIf(state.showsAccountRegister);
        case MenuCommand::ToggleBalanceColumn:
            if (state.showsAccountRegister && state.balanceColumnVisible) {
                return {.enabled = true, .title = "Hide Balance Column"};
            }
            return {.enabled = state.showsAccountRegister, .title = "Show Balance Column"};
        case MenuCommand::QuitSample:
            return enabledIf(state.sampleMode);
        case MenuCommand::Undo:
            return enabledIf(state.storeOpen && state.canUndo);
        case MenuCommand::Redo:
            return enabledIf(state.storeOpen && state.canRedo);
        case MenuCommand::ShowBreakdown:
        case MenuCommand::ShowTrends:
            // The reports read the open store, whatever is selected.
            return enabledIf(state.storeOpen);
        case MenuCommand::ShowBackups:
            return enabledIf(state.keepsSnapshots);
        case MenuCommand::ShowWelcomeScreen:
        case MenuCommand::ShowWebsite:
        case MenuCommand::ShowSupport:
            return enabledIf(true);
        default:
            return enabledIf(state.storeOpen);
    }
}
