#include "ledger/AccountTreeCommands.h"

#include "base/AssertionFailure.h"
#include "base/TextFolding.h"
#include "ledger/Account.h"
#include "ledger/AccountGroup.h"
#include "store/ObjectContext.h"

AccountGroup& AccountTreeCommands::addGroup(ObjectContext& context, Node& root,
                                            const std::string& name) {
    auto* group = context.insert<AccountGroup>();
    group->setName(name);
    group->moveTo(&root, static_cast<std::int64_t>(root.children().size()));
    return *group;
}

AccountTreeCommands::Place AccountTreeCommands::placeOf(const Node& node) {
    if (dynamic_cast<const Account*>(&node) != nullptr) {
        return Place::Account;
    }
    if (dynamic_cast<const AccountGroup*>(&node) != nullptr) {
        return Place::Group;
    }
    return Place::Root;
}

MenuItemState AccountTreeCommands::deleteMenuItem(const Node& node) {
    return {
        .enabled = true,
        .title = placeOf(node) == Place::Account ? "Delete Account..." : "Delete Account Group"};
}

CommandCheck AccountTreeCommands::checkDelete(const Node& node) {
    switch (placeOf(node)) {
        case Place::Account:
            return CommandCheck::confirm(
                {.message = "Are you sure you want to delete this account?",
                 .informativeText = "All transactions within the account will be deleted as well.",
                 .buttons = {"Delete", "Cancel"}});
        case Place::Group:
            if (!node.children().empty()) {
                return CommandCheck::refuse(
                    {.message = "Account group cannot be deleted because it still contains "
                                "accounts.",
                     .informativeText =
                         "To delete this account group, first remove all accounts within it.",
                     .buttons = {"OK"}});
            }
            return CommandCheck::proceed();
        case Place::Root:
            break;
    }
    PN_ASSERTION_FAILURE("the root of the account tree cannot be deleted");
}

void AccountTreeCommands::performDelete(Node& node, ObjectContext& context) {
    PN_ASSERT(!checkDelete(node).isRefused(), "deleting a node that cannot be deleted");
    node.removeFromParent();
    context.deleteObject(node);
}

bool AccountTreeCommands::mayPlace(Place child, Place parent) {
    if (child == Place::Root) {
        return false;
    }
    return parent == Place::Root || (parent == Place::Group && child == Place::Account);
}

CommandCheck AccountTreeCommands::checkMove(const Node& node, const Node& parent,
                                            std::int64_t index) {
    PN_ASSERT(placeOf(node) != Place::Root && placeOf(parent) != Place::Account,
              "only accounts and groups move, under the root or a group");
    if (!mayPlace(placeOf(node), placeOf(parent))) {
        return CommandCheck::refuse(
            {.message = "An account group cannot be put inside another group."});
    }
    const auto children = static_cast<std::int64_t>(parent.children().size());
    if (index < 0 || index > children) {
        return CommandCheck::refuse(
            {.message = "The index must be from 0 to " + std::to_string(children) + "."});
    }
    return CommandCheck::proceed();
}

void AccountTreeCommands::performMove(Node& node, Node& parent, std::int64_t index,
                                      const Node& root) {
    PN_ASSERT(!checkMove(node, parent, index).isRefused(), "a move the tree does not allow");
    node.moveTo(&parent, index);
    root.validateIndex();
}

void AccountTreeCommands::rename(Node& node, const std::string& name) {
    if (auto* account = dynamic_cast<Account*>(&node)) {
        account->setName(name);
    } else if (auto* group = dynamic_cast<AccountGroup*>(&node)) {
        group->setName(name);
    } else {
        PN_ASSERTION_FAILURE("only accounts and groups have names");
    }
}

CommandCheck AccountTreeCommands::checkAccountNameIsFree(ObjectContext& context,
                                                         const std::string& name,
                                                         const Account* except) {
    const std::string folded = foldForComparison(name);
    const Account* other = Account::findFirstByPredicate(
        [&](const Account& account) {
            return &account != except && foldForComparison(account.name()) == folded;
        },
        context);
    if (other == nullptr) {
        return CommandCheck::proceed();
    }
    return CommandCheck::refuse({.message = "An account named \"" + name + "\" exists already."});
}
