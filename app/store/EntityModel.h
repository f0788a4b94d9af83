#pragma once

#include <string_view>
#include <vector>

#include "store/EntityDescription.h"

// The set of entities a context and its store work with, with a version number the stores
// stamp into the file. Building a model checks it: unique names, super-entities and relationship
// destinations inside the model, and every relationship's inverse present on the destination
// and pointing back (AssertionFailure otherwise). It also resolves the destinations given by
// entity name. The descriptions must outlive the model.
class EntityModel final {
public:
    EntityModel(int version, std::vector<const EntityDescription*> entities);

    int version() const { return m_version; }
    // In the order given.
    const std::vector<const EntityDescription*>& entities() const { return m_entities; }
    // Entities without a super-entity: each heads one hierarchy (one table in a store).
    std::vector<const EntityDescription*> rootEntities() const;
    // `entity` and its sub-entities that can have instances of their own.
    std::vector<const EntityDescription*> concreteEntitiesOf(const EntityDescription& entity) const;
    // Nothing when the model has no entity of that name.
    const EntityDescription* entityNamed(std::string_view name) const;
    bool contains(const EntityDescription& entity) const;

private:
    void resolveDestinations(const EntityDescription& entity) const;
    void resolveInverses(const EntityDescription& entity) const;

    int m_version;
    std::vector<const EntityDescription*> m_entities;
};
