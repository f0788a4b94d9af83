#pragma once

#include "store/migration/EntityMigrationPolicy.h"

// The relationship step of the account mapping: after the mapping's own relationship rules,
// links each destination account to the destination of its old parent (the root under
// "NodeToNode", a group under "AccountGroupToAccountGroup"). Inconsistencies (not exactly one
// source account, a parent of another kind, not exactly one destination parent) are
// assertion failures.
class AccountParent : public EntityMigrationPolicy {
public:
    [[nodiscard]] bool createRelationshipsForDestinationInstance(ManagedObject& destination,
                                                                 const EntityMapping& mapping,
                                                                 MigrationManager& manager,
                                                                 std::string& error) override;
};
