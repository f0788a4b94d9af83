#include "session/SourceListCommands.h"

#include <algorithm>

#include "base/AssertionFailure.h"
#include "budgets/Budget.h"
#include "budgets/BudgetListCommands.h"
#include "ledger/Account.h"
#include "ledger/AccountTreeCommands.h"
#include "ledger/Node.h"
#include "scheduled/ScheduledListCommands.h"

namespace {

using Kind = SourceListItem::Kind;

bool deletesScheduledItems(const SourceListCommands::Selection& selection) {
    return selection.item.kind() == Kind::Scheduled && !selection.scheduledItems.empty();
}

}  // namespace

MenuItemState SourceListCommands::deleteMenuItem(const Selection& selection) {
    if (Node* node = selection.item.node()) {
        return AccountTreeCommands::deleteMenuItem(*node);
    }
    if (selection.item.budget() != nullptr) {
        return BudgetListCommands::deleteMenuItem();
    }
    // Items of the scheduled list are deleted through the plain command.
    return {.enabled = deletesScheduledItems(selection), .title = "Delete"};
}

CommandCheck SourceListCommands::checkDelete(const Selection& selection) {
    if (Node* node = selection.item.node()) {
        return AccountTreeCommands::checkDelete(*node);
    }
    if (Budget* budget = selection.item.budget()) {
        return BudgetListCommands::checkDelete(*budget);
    }
    PN_ASSERT(deletesScheduledItems(selection), "deleteItem: unexpected source list item");
    return ScheduledListCommands::checkDelete(selection.scheduledItems);
}

void SourceListCommands::performDelete(const Selection& selection, ObjectContext& context) {
    if (Node* node = selection.item.node()) {
        AccountTreeCommands::performDelete(*node, context);
    } else if (Budget* budget = selection.item.budget()) {
        BudgetListCommands::performDelete(*budget, context);
    } else {
        PN_ASSERT(deletesScheduledItems(selection), "deleteItem: unexpected source list item");
        ScheduledListCommands::performDelete(selection.scheduledItems, context);
    }
}

SourceListItem SourceListCommands::selectionAfterDelete(const std::vector<SourceListItem>& rows,
                                                        int deletedRow) {
    const auto at = [&rows](int row) {
        return row >= 0 && row < static_cast<int>(rows.size()) ? rows[static_cast<std::size_t>(row)]
                                                               : SourceListItem();
    };
    int row = deletedRow;
    if (at(row).kind() == Kind::ChartsHeader) {
        --row;
    }
    const SourceListItem candidate = at(row);
    if (!candidate.isNone() && !candidate.isHeader()) {
        return candidate;
    }
    const auto lastBudget = std::find_if(rows.rbegin(), rows.rend(), [](const SourceListItem& i) {
        return i.kind() == Kind::Budget;
    });
    return lastBudget != rows.rend() ? *lastBudget : SourceListItem::fixed(Kind::AllAccounts);
}

MenuItemState SourceListCommands::renameMenuItem(const SourceListItem& item) {
    return {.enabled = item.object() != nullptr};
}

bool SourceListCommands::rename(const SourceListItem& item, const std::string& name) {
    if (Node* node = item.node()) {
        AccountTreeCommands::rename(*node, name);
        return true;
    }
    if (Budget* budget = item.budget()) {
        BudgetListCommands::rename(*budget, name);
        return true;
    }
    return false;
}

MenuItemState SourceListCommands::editAccountMenuItem(const SourceListItem& item) {
    return {.enabled = item.account() != nullptr};
}

MenuItemState SourceListCommands::importFromBankMenuItem(const SourceListItem& item) {
    const Account* account = item.account();
    return {.enabled = account != nullptr &&
                       account->type() != std::optional<std::string>(kAccountTypeCash)};
}

CommandCheck SourceListCommands::checkImportFromBank(const SourceListItem& item) {
    if (item.account() != nullptr) {
        return CommandCheck::proceed();
    }
    return CommandCheck::refuse(
        {.message = "No account is selected.",
         .informativeText = "Please select an account from the list on the left side of the window",
         .buttons = {"OK"}});
}
