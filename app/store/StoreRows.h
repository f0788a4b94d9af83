#pragma once

#include <string>
#include <vector>

#include "base/ValidationError.h"
#include "store/AttributeValue.h"
#include "store/ManagedObject.h"

struct EntityDescription;
struct RelationshipDescription;

// Small pieces every persistent store needs: its errors, the IDs at the other end of a
// relationship, and an object's values as a row.
ValidationError storeError(int code, const std::string& text);
// The IDs of the objects `relationship` of `object` points at, in the relationship's order
// (one or none for a to-one relationship).
std::vector<ObjectID> relationshipTargetIDs(const ManagedObject& object,
                                            const RelationshipDescription& relationship);

// One object as a store keeps it between saves.
struct StoredRow {
    const EntityDescription* entity = nullptr;
    std::vector<AttributeValue> values;        // by attribute index
    std::vector<std::vector<ObjectID>> links;  // by relationship index
};
StoredRow storedRowFor(const ManagedObject& object);
