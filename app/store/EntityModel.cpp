#include "store/EntityModel.h"

#include <algorithm>

#include "base/AssertionFailure.h"

EntityModel::EntityModel(int version, std::vector<const EntityDescription*> entities)
    : m_version(version), m_entities(std::move(entities)) {
    for (std::size_t i = 0; i < m_entities.size(); ++i) {
        const EntityDescription& e = *m_entities[i];
        for (std::size_t j = 0; j < i; ++j) {
            PN_ASSERT(m_entities[j]->name() != e.name(), "Entity " + e.name() + " twice in model");
        }
        PN_ASSERT(!e.parent() || contains(*e.parent()),
                  "Super-entity of " + e.name() + " is not in the model");
    }
    for (const EntityDescription* e : m_entities) {
        resolveDestinations(*e);
    }
    for (const EntityDescription* e : m_entities) {
        resolveInverses(*e);
    }
}

void EntityModel::resolveDestinations(const EntityDescription& entity) const {
    for (const RelationshipDescription& r : entity.relationships()) {
        const std::string where = entity.name() + "." + r.name;
        const EntityDescription* destination = r.destinationFunction != nullptr
                                                   ? &r.destinationFunction()
                                                   : entityNamed(r.destinationName);
        PN_ASSERT(destination != nullptr && contains(*destination),
                  "Destination of " + where + " is not in the model");
        // An entity's classes are shared by every model that holds it, so a name must resolve
        // to the same entity in each of them.
        PN_ASSERT(r.m_destination == nullptr || r.m_destination == destination,
                  "Destination of " + where + " differs from another model's");
        r.m_destination = destination;
    }
}

void EntityModel::resolveInverses(const EntityDescription& entity) const {
    for (const RelationshipDescription& r : entity.relationships()) {
        const std::string where = entity.name() + "." + r.name;
        const EntityDescription& destination = r.destination();
        const RelationshipDescription* inverse = destination.relationshipNamed(r.inverseName);
        PN_ASSERT(inverse, "Inverse of " + where + " is missing");
        PN_ASSERT(inverse->inverseName == r.name && entity.isKindOf(inverse->destination()),
                  "Inverse of " + where + " does not point back");
        r.m_inverse = inverse;
    }
}

std::vector<const EntityDescription*> EntityModel::rootEntities() const {
    std::vector<const EntityDescription*> roots;
    for (const EntityDescription* e : m_entities) {
        if (!e->parent()) {
            roots.push_back(e);
        }
    }
    return roots;
}

std::vector<const EntityDescription*> EntityModel::concreteEntitiesOf(
    const EntityDescription& entity) const {
    std::vector<const EntityDescription*> result;
    for (const EntityDescription* e : m_entities) {
        if (e->isKindOf(entity) && !e->isAbstract()) {
            result.push_back(e);
        }
    }
    return result;
}

const EntityDescription* EntityModel::entityNamed(std::string_view name) const {
    for (const EntityDescription* e : m_entities) {
        if (e->name() == name) {
            return e;
        }
    }
    return nullptr;
}

bool EntityModel::contains(const EntityDescription& entity) const {
    return std::find(m_entities.begin(), m_entities.end(), &entity) != m_entities.end();
}
