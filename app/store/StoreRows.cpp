#include "store/StoreRows.h"

#include <algorithm>

#include "store/EntityDescription.h"
#include "store/EntityModel.h"
#include "store/ObjectContext.h"
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

ChangeSet wholeGraphAsInsertions(const ObjectContext& context) {
    ChangeSet changes;
    for (const EntityDescription* root : context.model().rootEntities()) {
        context.forEachObject(*root, [&](ManagedObject& object) {
            changes.inserted.push_back(&object);
            return true;
        });
    }
    std::sort(changes.inserted.begin(), changes.inserted.end(),
              [](const ManagedObject* a, const ManagedObject* b) {
                  return a->objectID() < b->objectID();
              });
    return changes;
}
