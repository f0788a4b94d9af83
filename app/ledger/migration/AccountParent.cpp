#include "ledger/migration/AccountParent.h"

#include "base/AssertionFailure.h"
#include "base/Log.h"
#include "store/ManagedObject.h"
#include "store/migration/MigrationManager.h"

bool AccountParent::createRelationshipsForDestinationInstance(ManagedObject& destination,
                                                              const EntityMapping& mapping,
                                                              MigrationManager& manager,
                                                              std::string& error) {
    if (!manager.createRelationshipsByMappingRules(destination, mapping, error)) {
        return false;
    }
    const std::vector<ManagedObject*> sources =
        manager.sourceInstancesForEntityMappingNamed(mapping.name(), {&destination});
    PN_ASSERT(sources.size() == 1 && sources.front()->entity().name() == "Account",
              "Expect exactly one source account");
    const ManagedObject& source = *sources.front();
    const RelationshipDescription* parentRelationship = source.entity().relationshipNamed("parent");
    PN_ASSERT(parentRelationship, "Source account has no parent relationship");
    ManagedObject* parent = parentRelationship->accessor->target(source);
    PN_ASSERT(parent, "Source account has no parent");
    const std::string& kind = parent->entity().name();
    std::vector<ManagedObject*> parents;
    if (kind == "Node") {
        parents = manager.destinationInstancesForEntityMappingNamed("NodeToNode", {parent});
    } else {
        PN_ASSERT(kind == "AccountGroup", "Parent of an account is a " + kind);
        parents = manager.destinationInstancesForEntityMappingNamed("AccountGroupToAccountGroup",
                                                                    {parent});
    }
    PN_ASSERT(parents.size() == 1, "Expect exactly one destination parent");
    const AttributeDescription* name = destination.entity().attributeNamed("name");
    const AttributeValue value = name ? name->accessor->get(destination) : AttributeValue{};
    const std::string* text = std::get_if<std::string>(&value);
    logLine("account " + (text ? *text : std::string()) + ", parent " +
            parents.front()->entity().name());
    manager.linkDestination(destination, "parent", *parents.front());
    return true;
}
