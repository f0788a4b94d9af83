#include "session/SourceListTree.h"

#include <algorithm>

#include "budgets/Budget.h"
#include "ledger/Account.h"
#include "ledger/AccountGroup.h"
#include "scheduled/ScheduledItem.h"
#include "store/ObjectContext.h"

namespace {

using Kind = SourceListItem::Kind;

}  // namespace

SourceListTree::SourceListTree(ObjectContext& context, Node& root)
    : m_context(context),
      m_root(root),
      m_headers{SourceListItem::fixed(Kind::TransactionsHeader),
                SourceListItem::fixed(Kind::ChartsHeader),
                SourceListItem::fixed(Kind::BudgetsHeader)},
      m_charts{SourceListItem::fixed(Kind::BreakdownChart),
               SourceListItem::fixed(Kind::TrendsChart)} {
    reload();
}

std::vector<SourceListItem> SourceListTree::childNodes(const Node& node) const {
    std::vector<Node*> nodes(node.children().begin(), node.children().end());
    std::sort(nodes.begin(), nodes.end(),
              [](const Node* a, const Node* b) { return a->index() < b->index(); });
    std::vector<SourceListItem> items;
    for (Node* child : nodes) {
        // Only accounts and groups belong in the tree; anything else is not shown.
        if (dynamic_cast<Account*>(child) != nullptr ||
            dynamic_cast<AccountGroup*>(child) != nullptr) {
            items.push_back(SourceListItem::forObject(child));
        }
    }
    return items;
}

void SourceListTree::reload() {
    m_showScheduled = Account::countInContext(m_context) > 0;
    m_transactions = {SourceListItem::fixed(Kind::AllAccounts)};
    m_groupChildren.clear();
    m_nodeParents.clear();
    for (const SourceListItem& item : childNodes(m_root)) {
        m_transactions.push_back(item);
        m_nodeParents[item.object()] = m_headers[0];
        if (AccountGroup* group = item.group()) {
            auto& children = m_groupChildren[group];
            children = childNodes(*group);
            for (const SourceListItem& child : children) {
                m_nodeParents[child.object()] = item;
            }
        }
    }
    if (m_showScheduled) {
        m_transactions.push_back(SourceListItem::fixed(Kind::Scheduled));
    }
    std::vector<Budget*> budgets = Budget::allInContext(m_context);
    std::stable_sort(budgets.begin(), budgets.end(),
                     [](const Budget* a, const Budget* b) { return a->name() < b->name(); });
    m_budgets.clear();
    for (Budget* budget : budgets) {
        m_budgets.push_back(SourceListItem::forObject(budget));
    }
}

const std::vector<SourceListItem>& SourceListTree::children(const SourceListItem& parent) const {
    switch (parent.kind()) {
        case Kind::None:
            return m_headers;
        case Kind::TransactionsHeader:
            return m_transactions;
        case Kind::ChartsHeader:
            return m_charts;
        case Kind::BudgetsHeader:
            return m_budgets;
        case Kind::AccountGroup: {
            const auto found = m_groupChildren.find(parent.object());
            return found == m_groupChildren.end() ? m_noChildren : found->second;
        }
        default:
            return m_noChildren;
    }
}

SourceListItem SourceListTree::parent(const SourceListItem& item) const {
    switch (item.kind()) {
        case Kind::AllAccounts:
        case Kind::Scheduled:
            return m_headers[0];
        case Kind::BreakdownChart:
        case Kind::TrendsChart:
            return m_headers[1];
        case Kind::Budget:
            return m_headers[2];
        case Kind::Account:
        case Kind::AccountGroup: {
            const auto found = m_nodeParents.find(item.object());
            return found == m_nodeParents.end() ? SourceListItem() : found->second;
        }
        default:
            return {};
    }
}

int SourceListTree::row(const SourceListItem& item) const {
    if (item.isNone()) {
        return -1;
    }
    const SourceListItem above = item.isHeader() ? SourceListItem() : parent(item);
    if (!item.isHeader() && above.isNone()) {
        return -1;
    }
    const auto& siblings = children(above);
    const auto found = std::find(siblings.begin(), siblings.end(), item);
    return found == siblings.end() ? -1 : static_cast<int>(found - siblings.begin());
}

std::vector<Budget*> SourceListTree::budgets() const {
    std::vector<Budget*> budgets;
    for (const SourceListItem& item : m_budgets) {
        budgets.push_back(item.budget());
    }
    return budgets;
}

int SourceListTree::scheduledBadge() const {
    return static_cast<int>(ScheduledItem::countWithPredicate(
        [](const ScheduledItem& scheduled) { return scheduled.shouldColorRed(); }, m_context));
}

std::vector<SourceListItem> SourceListTree::visibleRows(
    const std::function<bool(const SourceListItem& group)>& isExpanded) const {
    std::vector<SourceListItem> rows;
    for (const SourceListItem& header : m_headers) {
        rows.push_back(header);
        for (const SourceListItem& item : children(header)) {
            rows.push_back(item);
            if (item.group() != nullptr && isExpanded(item)) {
                const auto& accounts = children(item);
                rows.insert(rows.end(), accounts.begin(), accounts.end());
            }
        }
    }
    return rows;
}

bool SourceListTree::affectsEntries(const ManagedObject& object) {
    return dynamic_cast<const Node*>(&object) != nullptr ||
           dynamic_cast<const Budget*>(&object) != nullptr ||
           dynamic_cast<const ScheduledItem*>(&object) != nullptr;
}
