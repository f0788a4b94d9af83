#include "ledger/migration/AccountGroupIndex.h"

bool AccountGroupIndex::beginEntityMapping(const EntityMapping&, MigrationManager&, std::string&) {
    return true;
}

bool AccountGroupIndex::createDestinationInstancesForSourceInstance(ManagedObject&, const EntityMapping&,
                                                     MigrationManager&, std::string&) {
    return true;
}

bool AccountGroupIndex::createRelationshipsForDestinationInstance(ManagedObject&, const EntityMapping&,
                                                   MigrationManager&, std::string&) {
    return true;
}
