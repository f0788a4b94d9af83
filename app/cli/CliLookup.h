#pragma once

#include <string>
#include <vector>

class Account;
class Budget;
class AccountGroup;
class Category;
class CategoryGroup;
class Node;
class ObjectContext;
class ScheduledItem;

// Finds what a command names: accounts, groups, categories and scheduled items by name
// (case and diacritics ignored, no wildcards), transactions by sort ID. Unknown or ambiguous
// names are a CliError (failed) that says which.
namespace CliLookup {

Account& account(ObjectContext& context, const std::string& name);
AccountGroup& group(ObjectContext& context, const std::string& name);
Category& category(ObjectContext& context, const std::string& name);
CategoryGroup& categoryGroup(ObjectContext& context, const std::string& name);
Budget& budget(ObjectContext& context, const std::string& name);
ScheduledItem& scheduledItem(ObjectContext& context, const std::string& title);

// The accounts and groups under `root` in the source list's order (a group, then its
// accounts).
std::vector<Node*> nodesInTreeOrder(const Node& root);

}  // namespace CliLookup
