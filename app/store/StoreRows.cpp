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
