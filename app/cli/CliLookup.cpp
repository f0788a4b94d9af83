#include "cli/CliLookup.h"

#include <algorithm>

#include "base/TextFolding.h"
#include "budgets/Budget.h"
#include "cli/CliError.h"
#include "ledger/Account.h"
#include "ledger/AccountGroup.h"
#include "ledger/Category.h"
#include "ledger/CategoryGroup.h"
#include "scheduled/ScheduledItem.h"

namespace {

template <class T, class Name>
T& findOne(ObjectContext& context, const std::string& name, const char* what, Name nameOf) {
    const std::string folded = foldForComparison(name);
    std::vector<T*> found = T::findByPredicate(
        [&](const T& object) { return foldForComparison(nameOf(object)) == folded; }, context);
    if (found.empty()) {
        throw CliError::failed(std::string("No ") + what + " is named \"" + name + "\".");
    }
    if (found.size() > 1) {
        throw CliError::failed(std::string("More than one ") + what + " is named \"" + name +
                               "\".");
    }
    return *found.front();
}

std::vector<Node*> childrenInOrder(const Node& node) {
    std::vector<Node*> children = node.children().toVector();
    std::sort(children.begin(), children.end(),
              [](const Node* a, const Node* b) { return a->index() < b->index(); });
    return children;
}

}  // namespace

namespace CliLookup {

Account& account(ObjectContext& context, const std::string& name) {
    return findOne<Account>(context, name, "account", [](const Account& a) { return a.name(); });
}

AccountGroup& group(ObjectContext& context, const std::string& name) {
    return findOne<AccountGroup>(context, name, "account group",
                                 [](const AccountGroup& g) { return g.name(); });
}

Category& category(ObjectContext& context, const std::string& name) {
    return findOne<Category>(context, name, "category", [](const Category& c) { return c.name(); });
}

CategoryGroup& categoryGroup(ObjectContext& context, const std::string& name) {
    return findOne<CategoryGroup>(context, name, "category group",
                                  [](const CategoryGroup& g) { return g.name(); });
}

Budget& budget(ObjectContext& context, const std::string& name) {
    return findOne<Budget>(context, name, "budget", [](const Budget& b) { return b.name(); });
}

ScheduledItem& scheduledItem(ObjectContext& context, const std::string& title) {
    return findOne<ScheduledItem>(context, title, "scheduled transaction",
                                  [](const ScheduledItem& s) { return s.title(); });
}

std::vector<Node*> nodesInTreeOrder(const Node& root) {
    std::vector<Node*> nodes;
    for (Node* child : childrenInOrder(root)) {
        nodes.push_back(child);
        for (Node* grandchild : childrenInOrder(*child)) {
            nodes.push_back(grandchild);
        }
    }
    return nodes;
}

}  // namespace CliLookup
