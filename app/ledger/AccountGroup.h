#pragma once

#include <string>
#include <vector>

#include "base/Decimal.h"
#include "ledger/Node.h"

class Transaction;

// A named group of accounts directly under the root; groups are not nested.
class AccountGroup final : public Entity<AccountGroup, Node> {
public:
    static const EntityDescription& entityDescription();

    const std::string& name() const { return m_name; }
    void setName(std::string name) { setValue(&AccountGroup::m_name, std::move(name)); }
    // Whether the source list last showed the group expanded.
    bool isExpanded() const { return m_isExpanded; }
    void setIsExpanded(bool expanded) { setValue(&AccountGroup::m_isExpanded, expanded); }

    // Takes the default position of a new node.
    void awakeFromInsert() override;

    // The sum of the children's balances, each in the home currency; zero when empty.
    [[nodiscard]] Decimal balance() const;
    // The transactions of all child accounts.
    [[nodiscard]] std::vector<Transaction*> transactions() const;

    // Both fail with "Parent cannot be nil" for a node outside the tree.
    [[nodiscard]] bool validateForInsert(std::optional<ValidationError>& error) const override {
        return validateParent(error);
    }
    [[nodiscard]] bool validateForUpdate(std::optional<ValidationError>& error) const override {
        return validateParent(error);
    }

private:
    std::string m_name;
    bool m_isExpanded = false;
};
