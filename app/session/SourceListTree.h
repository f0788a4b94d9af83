#pragma once

#include <functional>
#include <unordered_map>
#include <vector>

#include "session/SourceListItem.h"

class ManagedObject;
class Node;
class ObjectContext;

// The entries of the main window's source list and how they nest, read from the store:
// "Transactions" with "All Accounts", the account tree by index and "Scheduled" (while an
// account exists); "Charts" with "Breakdown" and "Trends"; "Budgets" with every budget by
// name. The entries are read on construction and on reload(); nothing else re-reads them.
class SourceListTree final {
public:
    // REQUIRES: `context` and `root` outlive the tree.
    SourceListTree(ObjectContext& context, Node& root);

    void reload();

    // The entries under `parent`, in order; the three headers under the empty item.
    const std::vector<SourceListItem>& children(const SourceListItem& parent) const;
    // The entry above `item`: nothing for a header or for an item not in the list.
    SourceListItem parent(const SourceListItem& item) const;
    // The position of `item` among its parent's entries, or -1 when it is not in the list.
    int row(const SourceListItem& item) const;
    bool shouldShowScheduled() const { return m_showScheduled; }
    // The budgets as listed, by name.
    std::vector<Budget*> budgets() const;
    // The number on the "Scheduled" entry: items whose due date is shown red (0: no badge).
    int scheduledBadge() const;
    // Every entry top to bottom as the list shows it: headers always open, a group's accounts
    // only while `isExpanded` says the group is open.
    std::vector<SourceListItem> visibleRows(
        const std::function<bool(const SourceListItem& group)>& isExpanded) const;

    // True for the stored objects whose insertion, removal or change may add, move or rename
    // entries (nodes, budgets, scheduled items).
    static bool affectsEntries(const ManagedObject& object);

private:
    std::vector<SourceListItem> childNodes(const Node& node) const;

    ObjectContext& m_context;
    Node& m_root;
    std::vector<SourceListItem> m_headers;
    std::vector<SourceListItem> m_transactions;
    std::vector<SourceListItem> m_charts;
    std::vector<SourceListItem> m_budgets;
    std::unordered_map<ManagedObject*, std::vector<SourceListItem>> m_groupChildren;
    std::unordered_map<ManagedObject*, SourceListItem> m_nodeParents;
    std::vector<SourceListItem> m_noChildren;
    bool m_showScheduled = false;
};
