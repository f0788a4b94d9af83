#pragma once

#include <optional>
#include <string>
#include <vector>

#include "store/migration/MappingExpression.h"

class ManagedObject;
class MigrationManager;

// The relationship-mapping function that mapping models call to carry a relationship over:
// the destination instances of the objects at the far end of a source relationship.
class RelationshipMigration final {
public:
    static constexpr const char* kFunctionName =
        "destinationInstancesForSourceRelationshipNamed:sourceInstances:";

    // The expression a relationship mapping uses for source relationship `name`: this
    // function called with the name and $source.<name>.
    static MappingExpression destinationInstancesOfSourceRelationship(const std::string& name);

    // For the current entity mapping of `manager`: finds the relationship mapping that calls
    // this function with `name`, and answers, in the order of `sourceInstances`, the one
    // destination instance each of them has under the entity mappings that fit that
    // relationship's two ends. Nothing when no relationship mapping calls it with `name`.
    // Malformed mapping models: std::invalid_argument with the texts the mapping models'
    // authors know.
    static std::vector<ManagedObject*> destinationInstancesForSourceRelationshipNamed(
        MigrationManager& manager, const std::optional<std::string>& name,
        const std::vector<ManagedObject*>& sourceInstances);

    // Puts this function into the migration manager's function table unless a function of
    // that name is there already. Safe to call more than once.
    static void addRelationshipMigrationMethodIfMissing();
};
