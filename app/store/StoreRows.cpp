#include "store/StoreRows.h"

#include "store/EntityDescription.h"
#include "store/ObjectSet.h"

ValidationError storeError(int code, const std::string& text) {
    return ValidationError{kStoreErrorDomain, code, text, {}, {}};
}

std::vector<ObjectID> relationshipTargetIDs(const ManagedObject& object,
                                            const RelationshipDescription& relationship) {
    std::vector<ObjectID> ids;
    if (relationship.toMany) {
        for (const ManagedObject* t : relationship.accessor->targets(object).objects()) {
            ids.push_back(t->objectID());
        }
    } else if (const ManagedObject* t = relationship.accessor->target(object)) {
        ids.push_back(t->objectID());
    }
    return ids;
}

StoredRow storedRowFor(const ManagedObject& object) {
    StoredRow row;
    row.entity = &object.entity();
    for (const AttributeDescription& a : row.entity->attributes()) {
        row.values.push_back(a.accessor->get(object));
    }
    for (const RelationshipDescription& r : row.entity->relationships()) {
        row.links.push_back(relationshipTargetIDs(object, r));
    }
    return row;
}
