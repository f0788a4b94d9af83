#include "store/migration/EntityMigrationPolicy.h"

#include "store/migration/MigrationManager.h"

bool EntityMigrationPolicy::beginEntityMapping(const EntityMapping&, MigrationManager&,
                                               std::string&) {
    return true;
}

bool EntityMigrationPolicy::createDestinationInstancesForSourceInstance(
    ManagedObject& source, const EntityMapping& mapping, MigrationManager& manager,
    std::string& error) {
    return manager.createDestinationInstancesByMappingRules(source, mapping, error);
}

bool EntityMigrationPolicy::createRelationshipsForDestinationInstance(ManagedObject& destination,
                                                                      const EntityMapping& mapping,
                                                                      MigrationManager& manager,
                                                                      std::string& error) {
    return manager.createRelationshipsByMappingRules(destination, mapping, error);
}
