#pragma once

#include <string>
#include <vector>

#include "base/ValidationError.h"
#include "store/ManagedObject.h"

struct RelationshipDescription;

// Small pieces every persistent store needs: its errors and the IDs at the other end of a
// relationship.
ValidationError storeError(int code, const std::string& text);
// The IDs of the objects `relationship` of `object` points at, in the relationship's order
// (one or none for a to-one relationship).
std::vector<ObjectID> relationshipTargetIDs(const ManagedObject& object,
                                            const RelationshipDescription& relationship);
