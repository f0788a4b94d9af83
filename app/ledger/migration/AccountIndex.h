#pragma once

#include "store/migration/EntityMigrationPolicy.h"

// The mapping of the AccountIndex records of model version 0 (the position of an account among
// its siblings): the position has gone into the node's index, so every record is accepted and
// nothing is made of it.
class AccountIndex : public EntityMigrationPolicy {
public:
    [[nodiscard]] bool beginEntityMapping(const EntityMapping& mapping, MigrationManager& manager,
                                          std::string& error) override;
    [[nodiscard]] bool createDestinationInstancesForSourceInstance(ManagedObject& source,
                                                                   const EntityMapping& mapping,
                                                                   MigrationManager& manager,
                                                                   std::string& error) override;
    [[nodiscard]] bool createRelationshipsForDestinationInstance(ManagedObject& destination,
                                                                 const EntityMapping& mapping,
                                                                 MigrationManager& manager,
                                                                 std::string& error) override;
};
