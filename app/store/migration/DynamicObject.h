#pragma once

#include <vector>

#include "store/ManagedObject.h"

// An instance of an entity declared without a C++ class of its own (DynamicEntityBuilder):
// the entities of older model versions, which the program reads and writes only to migrate
// them. It holds its attribute values and relationship ends by property index; the context
// reaches them through the entity's accessors, like any other object.
class DynamicObject final : public ManagedObject {
public:
    // REQUIRES: `entity` was built by DynamicEntityBuilder and outlives the object.
    explicit DynamicObject(const EntityDescription& entity);

    const EntityDescription& entity() const override { return m_entity; }

private:
    friend class DynamicAttributeAccessor;
    friend class DynamicRelationshipAccessor;

    const EntityDescription& m_entity;
    std::vector<AttributeValue> m_values;     // by attribute index
    std::vector<ManagedObject*> m_targets;    // by relationship index; to-one ends
    std::vector<ObjectSetBase> m_targetSets;  // by relationship index; to-many ends
};
