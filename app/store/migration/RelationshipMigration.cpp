#include "store/migration/RelationshipMigration.h"

#include <stdexcept>

#include "base/AssertionFailure.h"
#include "store/ManagedObject.h"
#include "store/migration/MigrationManager.h"

namespace {

// True when `expression` calls the function with exactly two arguments, the first the
// constant `name`.
bool callsWithName(const MappingExpression& expression, const std::string& name) {
    if (expression.kind() != MappingExpression::Kind::FunctionCall ||
        expression.functionName() != RelationshipMigration::kFunctionName ||
        expression.arguments().size() != 2) {
        return false;
    }
    const MappingExpression& first = expression.arguments().front();
    if (first.kind() != MappingExpression::Kind::Constant) {
        return false;
    }
    const std::string* text = std::get_if<std::string>(&first.value());
    return text && *text == name;
}

// The name of the destination relationship whose mapping calls the function with `name`;
// nothing when none does.
std::optional<std::string> destinationRelationshipName(const EntityMapping& mapping,
                                                       const std::string& name) {
    const PropertyMapping* found = nullptr;
    for (const PropertyMapping& p : mapping.relationshipMappings()) {
        if (!callsWithName(p.value, name)) {
            continue;
        }
        if (found) {
            throw std::invalid_argument(
                "More than one property mapping (" + found->name + ", " + p.name + ") in " +
                mapping.name() +
                " calls destinationInstancesForSourceRelationshipNamed:sourceInstances: with the "
                "same source relationship name " +
                name + ", can't determine the correct destination relationship");
        }
        found = &p;
    }
    if (!found) {
        return std::nullopt;
    }
    return found->name;
}

std::vector<ManagedObject*> callFromMapping(MigrationManager& manager,
                                            const std::vector<MappingValue>& arguments) {
    std::optional<std::string> name;
    if (!arguments.empty()) {
        if (const auto* value = std::get_if<AttributeValue>(&arguments[0])) {
            if (const auto* text = std::get_if<std::string>(value)) {
                name = *text;
            }
        }
    }
    std::vector<ManagedObject*> sources;
    if (arguments.size() > 1) {
        if (const auto* objects = std::get_if<std::vector<ManagedObject*>>(&arguments[1])) {
            sources = *objects;
        }
    }
    return RelationshipMigration::destinationInstancesForSourceRelationshipNamed(manager, name,
                                                                                 sources);
}

}  // namespace

MappingExpression RelationshipMigration::destinationInstancesOfSourceRelationship(
    const std::string& name) {
    return MappingExpression::function(
        kFunctionName, {MappingExpression::constant(name), MappingExpression::source(name)});
}

std::vector<ManagedObject*> RelationshipMigration::destinationInstancesForSourceRelationshipNamed(
    MigrationManager& manager, const std::optional<std::string>& name,
    const std::vector<ManagedObject*>& sourceInstances) {
    const EntityMapping* mapping = manager.currentEntityMapping();
    PN_ASSERT(mapping, "No entity mapping is being migrated");
    if (!name || name->empty()) {
        throw std::invalid_argument(
            "Property mapping in " + mapping->name() +
            " missing required source relationship name argument to "
            "destinationInstancesForSourceRelationshipNamed:sourceInstances:");
    }
    const EntityDescription& sourceEntity = manager.sourceEntityOf(*mapping);
    const RelationshipDescription* sourceRelationship = sourceEntity.relationshipNamed(*name);
    if (!sourceRelationship) {
        throw std::invalid_argument("Can't find relationship for name (" + *name +
                                    ") for entity (" + sourceEntity.name() + ") in source model.");
    }
    const std::optional<std::string> destinationName = destinationRelationshipName(*mapping, *name);
    if (!destinationName) {
        return {};
    }
    const EntityDescription* destinationEntity = manager.destinationEntityOf(*mapping);
    const RelationshipDescription* destinationRelationship =
        destinationEntity ? destinationEntity->relationshipNamed(*destinationName) : nullptr;
    if (!destinationRelationship) {
        throw std::invalid_argument(
            "Can't find relationship for name (" + *destinationName + ") for entity (" +
            (destinationEntity ? destinationEntity->name() : mapping->destinationEntityName()) +
            ") in destination model.");
    }
    std::vector<const EntityMapping*> candidates;
    for (const EntityMapping& m : manager.mappingModel().entityMappings()) {
        const EntityDescription* to = manager.destinationEntityOf(m);
        if (manager.sourceEntityOf(m).isKindOf(sourceRelationship->destination()) && to &&
            to->isKindOf(destinationRelationship->destination())) {
            candidates.push_back(&m);
        }
    }
    std::vector<ManagedObject*> result;
    for (ManagedObject* source : sourceInstances) {
        ManagedObject* found = nullptr;
        for (const EntityMapping* candidate : candidates) {
            std::vector<ManagedObject*> destinations =
                manager.destinationInstancesForEntityMappingNamed(candidate->name(), {source});
            if (destinations.size() > 1 || (destinations.size() == 1 && found)) {
                throw std::invalid_argument(
                    "More than one destination instance found for source instance of type (" +
                    source->entity().name() + ") for relationship mapping (" + *destinationName +
                    ").");
            }
            if (destinations.size() == 1) {
                found = destinations.front();
            }
        }
        if (found) {
            result.push_back(found);
        }
    }
    return result;
}

void RelationshipMigration::addRelationshipMigrationMethodIfMissing() {
    if (!MigrationManager::hasFunction(kFunctionName)) {
        MigrationManager::addFunction(kFunctionName, &callFromMapping);
    }
}
