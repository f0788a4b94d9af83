#pragma once

#include <cstdint>
#include <string>

#include "base/CommandCheck.h"
#include "base/MenuItemState.h"

class Account;
class AccountGroup;
class Node;
class ObjectContext;

// The user commands on the account tree: add a group, delete, move and rename an account or
// a group. Each says what must be asked first, how its menu item reads, and makes the change;
// the desktop's source list and the command line both call them.
class AccountTreeCommands final {
public:
    // What a tree position holds. The root holds accounts and groups; a group holds accounts
    // only (groups do not nest).
    enum class Place { Root, Group, Account };
    static constexpr const char* kNewGroupName = "New Group";

    // A new group named `name` at the end of the root's children.
    static AccountGroup& addGroup(ObjectContext& context, Node& root, const std::string& name);

    // ---- Deleting ----
    // Titled for an account or for a group; always enabled.
    static MenuItemState deleteMenuItem(const Node& node);
    // An account asks, since its transactions go with it; a group that still holds accounts
    // is refused; an empty group goes without asking.
    static CommandCheck checkDelete(const Node& node);
    // Takes `node` out of the tree and deletes it (an account's transactions go with it).
    // REQUIRES: checkDelete does not refuse (AssertionFailure otherwise).
    static void performDelete(Node& node, ObjectContext& context);

    // ---- Moving ----
    // True when a node of kind `child` may hang under a node of kind `parent`.
    [[nodiscard]] static bool mayPlace(Place child, Place parent);
    // Refuses a group under a group and a position past the parent's children (positions
    // count the parent's children as they are now, the node's own place included).
    // REQUIRES: `node` is an account or a group, `parent` the root or a group.
    static CommandCheck checkMove(const Node& node, const Node& parent, std::int64_t index);
    // Moves `node` there and checks the dense order of the whole tree below `root`.
    // REQUIRES: checkMove does not refuse (AssertionFailure otherwise).
    static void performMove(Node& node, Node& parent, std::int64_t index, const Node& root);

    // ---- Names ----
    // Gives an account or a group its new name.
    static void rename(Node& node, const std::string& name);
    // The command line names accounts to address them, so it refuses a name that an account
    // other than `except` has already, without regard to case and diacritics.
    static CommandCheck checkAccountNameIsFree(ObjectContext& context, const std::string& name,
                                               const Account* except);

private:
    static Place placeOf(const Node& node);
};
