#pragma once

#include <string>

class EntityMapping;
class ManagedObject;
class MigrationManager;

// The steps of one entity mapping that a custom policy may replace. Each answers true on
// success; on failure it stores a reason in `error` and answers false, which ends the
// migration. The default policy applies the mapping's own rules.
class EntityMigrationPolicy {
public:
    virtual ~EntityMigrationPolicy() = default;

    // Once per mapping, before its instances are created.
    [[nodiscard]] virtual bool beginEntityMapping(const EntityMapping& mapping,
                                                  MigrationManager& manager, std::string& error);
    // Once per source instance of the mapping: makes its destination instances, sets their
    // attributes and associates them with the source.
    [[nodiscard]] virtual bool createDestinationInstancesForSourceInstance(
        ManagedObject& source, const EntityMapping& mapping, MigrationManager& manager,
        std::string& error);
    // Once per destination instance the mapping made, after every mapping has made its
    // instances: sets its relationships.
    [[nodiscard]] virtual bool createRelationshipsForDestinationInstance(
        ManagedObject& destination, const EntityMapping& mapping, MigrationManager& manager,
        std::string& error);
};
