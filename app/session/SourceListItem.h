#pragma once

class Account;
class AccountGroup;
class Budget;
class ManagedObject;
class Node;

// One entry of the source list: a fixed entry (the three headers, "All Accounts",
// "Scheduled", the two charts) or a store object (account, account group, budget).
class SourceListItem final {
public:
    enum class Kind {
        None,
        TransactionsHeader,
        ChartsHeader,
        BudgetsHeader,
        AllAccounts,
        Scheduled,
        BreakdownChart,
        TrendsChart,
        Account,
        AccountGroup,
        Budget,
    };

    SourceListItem() = default;
    static SourceListItem fixed(Kind kind) { return SourceListItem(kind, nullptr); }
    // An account, group or budget; anything else is an AssertionFailure "UnexpectedCase".
    static SourceListItem forObject(ManagedObject* object);

    Kind kind() const { return m_kind; }
    ManagedObject* object() const { return m_object; }
    bool isNone() const { return m_kind == Kind::None; }
    bool isHeader() const;
    bool isChart() const { return m_kind == Kind::BreakdownChart || m_kind == Kind::TrendsChart; }
    // An account, a group or "All Accounts": the entries that show the register.
    bool showsRegister() const;

    // The typed object, or nullptr when the item is of another kind.
    ::Account* account() const;
    ::AccountGroup* group() const;
    ::Budget* budget() const;
    // The account or group.
    Node* node() const;

    bool operator==(const SourceListItem&) const = default;

private:
    SourceListItem(Kind kind, ManagedObject* object) : m_kind(kind), m_object(object) {}
    Kind m_kind = Kind::None;
    ManagedObject* m_object = nullptr;
};
