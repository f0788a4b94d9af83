#include "ledger/AccountsRoot.h"

#include <vector>

#include "base/AssertionFailure.h"
#include "ledger/Node.h"
#include "store/ObjectContext.h"

Node& AccountsRoot::setup(ObjectContext& context) {
    std::vector<Node*> roots;
    context.forEachObject(Node::entityDescription(), [&roots](ManagedObject& object) {
        auto& node = static_cast<Node&>(object);
        if (node.identifier() == kIdentifier) {
            roots.push_back(&node);
        }
        return true;
    });
    PN_ASSERT(roots.size() < 2, "too many account root nodes");
    if (!roots.empty()) {
        return *roots.front();
    }
    Node* root = context.insert<Node>();
    root->setIdentifier(std::string(kIdentifier));
    return *root;
}
