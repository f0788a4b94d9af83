#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "store/Entity.h"

// A place in the account tree: the invisible root (identifier "accounts"), an account or an
// account group. Children are kept in a dense order by `index`, 0 to n-1.
class Node : public Entity<Node> {
public:
    static const EntityDescription& entityDescription();

    Node* parent() const { return m_parent; }
    void setParent(Node* parent) { setToOne(&Node::m_parent, parent); }
    const ObjectSet<Node>& children() const { return m_children; }
    std::int64_t index() const { return m_index; }
    void setIndex(std::int64_t index) { setValue(&Node::m_index, index); }
    const std::optional<std::string>& identifier() const { return m_identifier; }
    void setIdentifier(std::optional<std::string> identifier) {
        setValue(&Node::m_identifier, std::move(identifier));
    }

    // Puts this node under `parent` at `index`, shifting the siblings there. AssertionFailure
    // "parent cannot be nil" or "index too big" (negative, or greater than the number of
    // children) leaves the tree unchanged; index equal to it appends.
    void moveTo(Node* parent, std::int64_t index);
    // Takes this node out of its parent and closes the gap; index becomes 0.
    void removeFromParent();
    // The child whose index is `index`; AssertionFailure "child not found" when none is.
    [[nodiscard]] Node* childAtIndex(std::int64_t index) const;
    // Checks the whole subtree for dense indexes; AssertionFailure "child not found" otherwise.
    void validateIndex() const;

    // Fails with ".ErrorDomain" code 0 "Parent cannot be nil" when the node has no parent.
    [[nodiscard]] bool validateParent(std::optional<ValidationError>& error) const;

protected:
    // Sets `index` to the default position of a new account or group: the number of accounts
    // without a parent plus the number of account groups, minus 1.
    void setDefaultInsertionIndex();

private:
    Node* m_parent = nullptr;
    ObjectSet<Node> m_children;
    std::int64_t m_index = 0;
    std::optional<std::string> m_identifier;
};
