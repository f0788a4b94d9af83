#pragma once

#include <string>
#include <vector>

#include "base/ValidationError.h"
#include "store/AttributeValue.h"
#include "store/ChangeSet.h"
#include "store/ManagedObject.h"

class ObjectContext;
struct EntityDescription;
struct RelationshipDescription;

// Small pieces every persistent store needs: its errors, the IDs at the other end of a
// relationship, an object's values as a row, and a whole graph as one change.
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

// Every live object of `context` as an insertion, in ascending ID: what writing the whole
// graph into an empty store saves.
ChangeSet wholeGraphAsInsertions(const ObjectContext& context);
