#include "store/migration/MigrationManager.h"

#include <algorithm>
#include <span>
#include <stdexcept>

#include "base/AssertionFailure.h"
#include "store/EntityModel.h"
#include "store/ObjectContext.h"
#include "store/migration/EntityMigrationPolicy.h"

namespace {

std::map<std::string, MigrationManager::Function, std::less<>>& functionTable() {
    static std::map<std::string, MigrationManager::Function, std::less<>> table;
    return table;
}

std::vector<std::string> splitKeyPath(const std::string& keyPath) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= keyPath.size()) {
        std::size_t dot = keyPath.find('.', start);
        if (dot == std::string::npos) {
            dot = keyPath.size();
        }
        parts.push_back(keyPath.substr(start, dot - start));
        start = dot + 1;
    }
    return parts;
}

}  // namespace

// One entity mapping with its names resolved against both models, its policy and the
// associations between the instances it read and the ones it made.
struct MigrationManager::Step {
    struct AttributeRule {
        const AttributeDescription* destination = nullptr;
        const AttributeDescription* copyFrom = nullptr;  // a same-named source attribute
        const MappingExpression* expression = nullptr;   // or the mapping's expression
    };
    const EntityMapping* mapping = nullptr;
    const EntityDescription* source = nullptr;
    const EntityDescription* destination = nullptr;
    std::unique_ptr<EntityMigrationPolicy> policy;
    std::vector<AttributeRule> attributes;
    // The relationship is nothing when the destination has none of the mapping's name: the
    // relationship-mapping function reports that in its own words when it is called.
    std::vector<std::pair<const RelationshipDescription*, const PropertyMapping*>> relationships;
    std::unordered_map<const ManagedObject*, std::vector<ManagedObject*>> forward;
    std::unordered_map<const ManagedObject*, std::vector<ManagedObject*>> backward;
    std::vector<ManagedObject*> created;
};

bool MigrationManager::hasFunction(std::string_view name) {
    return functionTable().find(name) != functionTable().end();
}

void MigrationManager::addFunction(std::string name, Function function) {
    functionTable()[std::move(name)] = std::move(function);
}

void MigrationManager::removeFunction(std::string_view name) {
    auto it = functionTable().find(name);
    if (it != functionTable().end()) {
        functionTable().erase(it);
    }
}

MigrationManager::MigrationManager(const MappingModel& mapping, ObjectContext& source,
                                   ObjectContext& destination)
    : m_mappingModel(mapping), m_source(source), m_destination(destination) {}

MigrationManager::~MigrationManager() = default;

std::optional<std::string> MigrationManager::migrate() {
    try {
        resolve();
        for (const EntityDescription* root : m_source.model().rootEntities()) {
            m_source.forEachObject(*root, [&](ManagedObject& object) {
                m_nextID = std::max<std::uint64_t>(m_nextID, object.objectID() + 1);
                return true;
            });
        }
        for (const std::unique_ptr<Step>& step : m_steps) {
            createInstances(*step);
        }
        for (const std::unique_ptr<Step>& step : m_steps) {
            createRelationships(*step);
        }
    } catch (const std::invalid_argument& error) {
        m_current = nullptr;
        return std::string(error.what());
    } catch (const AssertionFailure& failure) {
        m_current = nullptr;
        return failure.message();
    }
    m_current = nullptr;
    m_currentSource = nullptr;
    return std::nullopt;
}

// ---- Resolving names ----

void MigrationManager::resolve() {
    for (const EntityMapping& mapping : m_mappingModel.entityMappings()) {
        auto step = std::make_unique<Step>();
        step->mapping = &mapping;
        step->source = m_source.model().entityNamed(mapping.sourceEntityName());
        if (!step->source) {
            throw std::invalid_argument("Entity mapping " + mapping.name() +
                                        " names a source entity (" + mapping.sourceEntityName() +
                                        ") the source model does not have.");
        }
        if (!mapping.destinationEntityName().empty()) {
            step->destination = m_destination.model().entityNamed(mapping.destinationEntityName());
            if (!step->destination || step->destination->isAbstract()) {
                throw std::invalid_argument(
                    "Entity mapping " + mapping.name() + " names a destination entity (" +
                    mapping.destinationEntityName() + ") the destination model cannot make.");
            }
            resolveAttributes(*step);
            resolveRelationships(*step);
        }
        step->policy = mapping.makePolicy();
        m_steps.push_back(std::move(step));
    }
}

void MigrationManager::resolveAttributes(Step& step) {
    const EntityMapping& mapping = *step.mapping;
    for (const PropertyMapping& p : mapping.attributeMappings()) {
        const AttributeDescription* a = step.destination->attributeNamed(p.name);
        if (!a) {
            throw std::invalid_argument("Attribute mapping " + p.name + " in " + mapping.name() +
                                        " names no attribute of the destination entity.");
        }
        step.attributes.push_back({a, nullptr, &p.value});
    }
    if (!mapping.copiesMatchingAttributes()) {
        return;
    }
    for (const AttributeDescription& a : step.destination->attributes()) {
        const bool mapped =
            std::any_of(mapping.attributeMappings().begin(), mapping.attributeMappings().end(),
                        [&](const PropertyMapping& p) { return p.name == a.name; });
        const AttributeDescription* from = step.source->attributeNamed(a.name);
        if (!mapped && from && from->kind == a.kind && (a.optional || !from->optional)) {
            step.attributes.push_back({&a, from, nullptr});
        }
    }
}

void MigrationManager::resolveRelationships(Step& step) {
    for (const PropertyMapping& p : step.mapping->relationshipMappings()) {
        step.relationships.emplace_back(step.destination->relationshipNamed(p.name), &p);
    }
}

MigrationManager::Step& MigrationManager::stepFor(const EntityMapping& mapping) const {
    for (const std::unique_ptr<Step>& step : m_steps) {
        if (step->mapping == &mapping) {
            return *step;
        }
    }
    PN_ASSERTION_FAILURE("Entity mapping " + mapping.name() + " is not being migrated");
}

const MigrationManager::Step& MigrationManager::stepNamed(std::string_view name) const {
    for (const std::unique_ptr<Step>& step : m_steps) {
        if (step->mapping->name() == name) {
            return *step;
        }
    }
    PN_ASSERTION_FAILURE("No entity mapping named " + std::string(name));
}

const EntityMapping* MigrationManager::currentEntityMapping() const {
    return m_current ? m_current->mapping : nullptr;
}

const EntityDescription& MigrationManager::sourceEntityOf(const EntityMapping& mapping) const {
    return *stepFor(mapping).source;
}

const EntityDescription* MigrationManager::destinationEntityOf(const EntityMapping& mapping) const {
    return stepFor(mapping).destination;
}

// ---- The two passes ----

void MigrationManager::createInstances(Step& step) {
    m_current = &step;
    const EntityMapping& mapping = *step.mapping;
    std::string error;
    if (!step.policy->beginEntityMapping(mapping, *this, error)) {
        throw std::invalid_argument("Entity mapping " + mapping.name() + " failed: " + error);
    }
    std::vector<ManagedObject*> sources;
    m_source.forEachObject(*step.source, [&](ManagedObject& object) {
        if (&object.entity() == step.source) {
            sources.push_back(&object);
        }
        return true;
    });
    for (ManagedObject* source : sources) {
        if (!step.policy->createDestinationInstancesForSourceInstance(*source, mapping, *this,
                                                                      error)) {
            throw std::invalid_argument("Entity mapping " + mapping.name() + " failed for " +
                                        step.source->name() + " " +
                                        std::to_string(source->objectID()) + ": " + error);
        }
    }
}

void MigrationManager::createRelationships(Step& step) {
    m_current = &step;
    std::string error;
    // A copy: a policy may make further instances while it links.
    const std::vector<ManagedObject*> created = step.created;
    for (ManagedObject* destination : created) {
        auto sources = step.backward.find(destination);
        m_currentSource = sources != step.backward.end() && !sources->second.empty()
                              ? sources->second.front()
                              : nullptr;
        if (!step.policy->createRelationshipsForDestinationInstance(*destination, *step.mapping,
                                                                    *this, error)) {
            throw std::invalid_argument("Relationships of " + step.mapping->name() +
                                        " failed: " + error);
        }
    }
    m_currentSource = nullptr;
}

// ---- Default rules ----

bool MigrationManager::createDestinationInstancesByMappingRules(ManagedObject& source,
                                                                const EntityMapping& mapping,
                                                                std::string& error) {
    Step& step = stepFor(mapping);
    if (!step.destination) {
        return true;
    }
    ManagedObject& destination = createDestinationInstance(*step.destination, source, mapping);
    for (const Step::AttributeRule& rule : step.attributes) {
        AttributeValue value;
        if (rule.copyFrom) {
            value = rule.copyFrom->accessor->get(source);
        } else {
            MappingValue result = evaluate(*rule.expression, source);
            if (!std::holds_alternative<AttributeValue>(result)) {
                error = "the mapping of " + rule.destination->name + " gives objects, not a value";
                return false;
            }
            value = std::get<AttributeValue>(std::move(result));
        }
        const bool unset = std::holds_alternative<std::monostate>(value);
        if (!valueMatchesKind(value, rule.destination->kind) ||
            (unset && !rule.destination->optional)) {
            error = "the value of " + rule.destination->name + " does not fit the attribute";
            return false;
        }
        m_destination.loadAttribute(destination, *rule.destination, value);
    }
    return true;
}

bool MigrationManager::createRelationshipsByMappingRules(ManagedObject& destination,
                                                         const EntityMapping& mapping,
                                                         std::string& error) {
    Step& step = stepFor(mapping);
    auto sources = step.backward.find(&destination);
    if (sources == step.backward.end() || sources->second.empty()) {
        return true;
    }
    ManagedObject& source = *sources->second.front();
    m_currentSource = &source;
    for (const auto& [relationship, property] : step.relationships) {
        MappingValue result = evaluate(property->value, source);
        if (!relationship) {
            error = "relationship mapping " + property->name + " names no relationship of " +
                    step.destination->name();
            return false;
        }
        if (std::holds_alternative<AttributeValue>(result)) {
            if (std::holds_alternative<std::monostate>(std::get<AttributeValue>(result))) {
                continue;
            }
            error = "the mapping of " + relationship->name + " gives a value, not objects";
            return false;
        }
        const std::vector<ManagedObject*>& targets = std::get<1>(result);
        if (!relationship->toMany && targets.size() > 1) {
            error = "the mapping of the to-one " + relationship->name + " gives several objects";
            return false;
        }
        for (ManagedObject* target : targets) {
            if (!target->entity().isKindOf(relationship->destination())) {
                error =
                    "the mapping of " + relationship->name + " gives a " + target->entity().name();
                return false;
            }
            m_destination.loadLink(destination, *relationship, *target);
        }
    }
    return true;
}

ManagedObject& MigrationManager::createDestinationInstance(const EntityDescription& entity,
                                                           ManagedObject& source,
                                                           const EntityMapping& mapping) {
    Step& step = stepFor(mapping);
    ObjectID id = source.objectID();
    if (m_destination.objectWithID(id)) {
        id = m_nextID++;
    }
    ManagedObject& destination = m_destination.loadObject(entity, id);
    step.forward[&source].push_back(&destination);
    step.backward[&destination].push_back(&source);
    step.created.push_back(&destination);
    return destination;
}

void MigrationManager::setDestinationValue(ManagedObject& destination, std::string_view attribute,
                                           const AttributeValue& value) {
    const AttributeDescription* a = destination.entity().attributeNamed(attribute);
    PN_ASSERT(
        a, "Entity " + destination.entity().name() + " has no attribute " + std::string(attribute));
    m_destination.loadAttribute(destination, *a, value);
}

void MigrationManager::linkDestination(ManagedObject& destination, std::string_view relationship,
                                       ManagedObject& target) {
    const RelationshipDescription* r = destination.entity().relationshipNamed(relationship);
    PN_ASSERT(r, "Entity " + destination.entity().name() + " has no relationship " +
                     std::string(relationship));
    m_destination.loadLink(destination, *r, target);
}

// ---- Associations ----

std::vector<ManagedObject*> MigrationManager::destinationInstancesForEntityMappingNamed(
    std::string_view name, const std::vector<ManagedObject*>& sources) const {
    const Step& step = stepNamed(name);
    std::vector<ManagedObject*> result;
    for (const ManagedObject* source : sources) {
        auto it = step.forward.find(source);
        if (it != step.forward.end()) {
            result.insert(result.end(), it->second.begin(), it->second.end());
        }
    }
    return result;
}

std::vector<ManagedObject*> MigrationManager::sourceInstancesForEntityMappingNamed(
    std::string_view name, const std::vector<ManagedObject*>& destinations) const {
    const Step& step = stepNamed(name);
    std::vector<ManagedObject*> result;
    for (const ManagedObject* destination : destinations) {
        auto it = step.backward.find(destination);
        if (it != step.backward.end()) {
            result.insert(result.end(), it->second.begin(), it->second.end());
        }
    }
    return result;
}

// ---- Expressions ----

MappingValue MigrationManager::evaluate(const MappingExpression& expression,
                                        ManagedObject& source) {
    switch (expression.kind()) {
        case MappingExpression::Kind::Constant:
            return expression.value();
        case MappingExpression::Kind::SourceKeyPath:
            return evaluateKeyPath(expression.keyPath(), source);
        case MappingExpression::Kind::FunctionCall:
            break;
    }
    auto it = functionTable().find(expression.functionName());
    if (it == functionTable().end()) {
        throw std::invalid_argument("Unknown function " + expression.functionName() +
                                    " in a mapping model.");
    }
    std::vector<MappingValue> arguments;
    for (const MappingExpression& argument : expression.arguments()) {
        arguments.push_back(evaluate(argument, source));
    }
    // A copy: the function may be replaced while it runs.
    Function function = it->second;
    return function(*this, arguments);
}

MappingValue MigrationManager::evaluateKeyPath(const std::string& keyPath,
                                               ManagedObject& source) const {
    if (keyPath.empty()) {
        return std::vector<ManagedObject*>{&source};
    }
    const std::vector<std::string> parts = splitKeyPath(keyPath);
    ManagedObject* object = &source;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const EntityDescription& entity = object->entity();
        const bool last = i + 1 == parts.size();
        if (const AttributeDescription* a = entity.attributeNamed(parts[i]); a && last) {
            return a->accessor->get(*object);
        }
        const RelationshipDescription* r = entity.relationshipNamed(parts[i]);
        if (!r || (!last && r->toMany)) {
            throw std::invalid_argument("Can't find key path (" + keyPath + ") for entity (" +
                                        source.entity().name() + ") in source model.");
        }
        if (last && r->toMany) {
            const std::span<ManagedObject* const> targets = r->accessor->targets(*object).objects();
            return std::vector<ManagedObject*>(targets.begin(), targets.end());
        }
        ManagedObject* next = r->accessor->target(*object);
        if (last) {
            return next ? std::vector<ManagedObject*>{next} : std::vector<ManagedObject*>{};
        }
        if (!next) {
            return AttributeValue{};
        }
        object = next;
    }
    return AttributeValue{};
}
