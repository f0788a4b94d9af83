#include "ledger/migration/AccountIndex.h"

bool AccountIndex::beginEntityMapping(const EntityMapping&, MigrationManager&, std::string&) {
    return true;
}

bool AccountIndex::createDestinationInstancesForSourceInstance(ManagedObject&, const EntityMapping&,
                                                               MigrationManager&, std::string&) {
    return true;
}

bool AccountIndex::createRelationshipsForDestinationInstance(ManagedObject&, const EntityMapping&,
                                                             MigrationManager&, std::string&) {
    return true;
}
