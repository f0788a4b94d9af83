#include "ledger/Node.h"

#include "base/AssertionFailure.h"
#include "ledger/Account.h"
#include "ledger/AccountGroup.h"
#include "store/EntityBuilder.h"

const EntityDescription& Node::entityDescription() {
    static const EntityDescription description =
        EntityBuilder<Node>("Node")
            .attribute("index", &Node::m_index)
            .attribute("identifier", &Node::m_identifier)
            .toOne("parent", &Node::m_parent, &Node::entityDescription, "children")
            .toMany("children", &Node::m_children, &Node::entityDescription, "parent")
            .build();
    return description;
}

void Node::moveTo(Node* parent, std::int64_t index) {
    PN_ASSERT(parent != nullptr, "parent cannot be nil");
    PN_ASSERT(index >= 0 && index <= static_cast<std::int64_t>(parent->children().size()),
              "index too big");
    std::int64_t target = index;
    if (m_parent == parent && m_index < index) {
        target = index - 1;
    }
    if (m_parent != nullptr) {
        removeFromParent();
    }
    for (Node* child : parent->children()) {
        if (child->index() >= target) {
            child->setIndex(child->index() + 1);
        }
    }
    setParent(parent);
    setIndex(target);
}

void Node::removeFromParent() {
    if (m_parent != nullptr) {
        for (Node* sibling : m_parent->children()) {
            if (sibling->index() > m_index) {
                sibling->setIndex(sibling->index() - 1);
            }
        }
    }
    setParent(nullptr);
    setIndex(0);
}

Node* Node::childAtIndex(std::int64_t index) const {
    for (Node* child : m_children) {
        if (child->index() == index) {
            return child;
        }
    }
    PN_ASSERTION_FAILURE("child not found");
}

void Node::validateIndex() const {
    const auto count = static_cast<std::int64_t>(m_children.size());
    for (std::int64_t i = 0; i < count; ++i) {
        childAtIndex(i)->validateIndex();
    }
}

void Node::setDefaultInsertionIndex() {
    ObjectContext& context = *managedObjectContext();
    const std::size_t topLevelAccounts = Account::countWithPredicate(
        [](const Account& a) { return a.parent() == nullptr; }, context);
    const std::size_t groups = AccountGroup::countInContext(context);
    PN_ASSERT(topLevelAccounts + groups >= 1, "no node to count at insertion");
    setIndex(static_cast<std::int64_t>(topLevelAccounts + groups) - 1);
}

bool Node::validateParent(std::optional<ValidationError>& error) const {
    if (m_parent != nullptr) {
        return true;
    }
    return failValidation(
        error,
        ValidationError{
            ValidationError::domainWithSuffix(".ErrorDomain"), 0, "Parent cannot be nil", {}, {}});
}
