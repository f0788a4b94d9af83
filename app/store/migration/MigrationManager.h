#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <variant>
#include <vector>

#include "store/AttributeValue.h"
#include "store/EntityDescription.h"
#include "store/migration/MappingModel.h"

class EntityMigrationPolicy;
class ManagedObject;
class ObjectContext;

// The value of an expression while migrating: an attribute value, or objects (what a
// relationship key path or a function call gives).
using MappingValue = std::variant<AttributeValue, std::vector<ManagedObject*>>;

// Runs one mapping model from a source context (loaded with the older model) into an empty
// destination context: first every mapping creates its destination instances (in mapping
// order, source instances in ascending ID), then every mapping creates the relationships of
// the instances it made. Policies drive both steps. Destination objects are made as if
// loaded (no awakeFromInsert, no undo, no change tracking) and keep their source's ID where
// they can.
//
// Functions that mapping expressions call are looked up by name in one process-wide table;
// the program installs its own at start-up (see addRelationshipMigrationMethodIfMissing).
class MigrationManager final {
public:
    using Function = std::function<std::vector<ManagedObject*>(MigrationManager&,
                                                               const std::vector<MappingValue>&)>;

    static bool hasFunction(std::string_view name);
    static void addFunction(std::string name, Function function);
    static void removeFunction(std::string_view name);

    // REQUIRES: source holds the model of `mapping`, destination is empty; all outlive this.
    MigrationManager(const MappingModel& mapping, ObjectContext& source,
                     ObjectContext& destination);
    ~MigrationManager();

    // Runs the whole mapping model. Returns nothing on success, otherwise why it failed (a
    // mapping that names what the models do not have, a policy that failed, an invalid
    // argument or an assertion failure); the destination then holds part of the graph.
    [[nodiscard]] std::optional<std::string> migrate();

    const MappingModel& mappingModel() const { return m_mappingModel; }
    ObjectContext& sourceContext() const { return m_source; }
    ObjectContext& destinationContext() const { return m_destination; }
    // The mapping being run; nothing outside migrate().
    const EntityMapping* currentEntityMapping() const;
    // The source instance whose relationships are being made; nothing outside that step.
    ManagedObject* currentSourceInstance() const { return m_currentSource; }
    // REQUIRES: `mapping` is one of the mapping model's (AssertionFailure otherwise).
    const EntityDescription& sourceEntityOf(const EntityMapping& mapping) const;
    // Nothing for a mapping that drops its instances.
    const EntityDescription* destinationEntityOf(const EntityMapping& mapping) const;

    // What the mapping named `name` made of `sources` (in their order), and back. An unknown
    // name: AssertionFailure.
    std::vector<ManagedObject*> destinationInstancesForEntityMappingNamed(
        std::string_view name, const std::vector<ManagedObject*>& sources) const;
    std::vector<ManagedObject*> sourceInstancesForEntityMappingNamed(
        std::string_view name, const std::vector<ManagedObject*>& destinations) const;

    // The default rules, for policies to call.
    [[nodiscard]] bool createDestinationInstancesByMappingRules(ManagedObject& source,
                                                                const EntityMapping& mapping,
                                                                std::string& error);
    [[nodiscard]] bool createRelationshipsByMappingRules(ManagedObject& destination,
                                                         const EntityMapping& mapping,
                                                         std::string& error);

    // A new destination instance of `entity`, associated with `source` under `mapping`.
    ManagedObject& createDestinationInstance(const EntityDescription& entity, ManagedObject& source,
                                             const EntityMapping& mapping);
    // Set a destination property by name; AssertionFailure when the entity has none or the
    // value does not fit.
    void setDestinationValue(ManagedObject& destination, std::string_view attribute,
                             const AttributeValue& value);
    void linkDestination(ManagedObject& destination, std::string_view relationship,
                         ManagedObject& target);

    // Evaluates `expression` on `source`. Unknown functions and names: std::invalid_argument.
    MappingValue evaluate(const MappingExpression& expression, ManagedObject& source);

private:
    struct Step;

    Step& stepFor(const EntityMapping& mapping) const;
    const Step& stepNamed(std::string_view name) const;
    void resolve();
    void resolveAttributes(Step& step);
    void resolveRelationships(Step& step);
    void createInstances(Step& step);
    void createRelationships(Step& step);
    MappingValue evaluateKeyPath(const std::string& keyPath, ManagedObject& source) const;

    const MappingModel& m_mappingModel;
    ObjectContext& m_source;
    ObjectContext& m_destination;
    std::vector<std::unique_ptr<Step>> m_steps;
    Step* m_current = nullptr;
    ManagedObject* m_currentSource = nullptr;
    std::uint64_t m_nextID = 1;
};
