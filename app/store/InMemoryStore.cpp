#include "store/InMemoryStore.h"

#include "store/GraphDump.h"
#include "store/ObjectContext.h"
#include "store/StoreRows.h"

std::optional<ValidationError> InMemoryStore::checkChanges(const ChangeSet& changes) const {
    for (const ManagedObject* object : changes.inserted) {
        if (m_rows.contains(object->objectID())) {
            return storeError(kPersistentStoreSaveErrorCode, "Inserted row exists already");
        }
    }
    for (const ObjectChange& change : changes.updated) {
        if (!m_rows.contains(change.object->objectID())) {
            return storeError(kPersistentStoreSaveErrorCode, "Updated row is missing");
        }
    }
    for (const ManagedObject* object : changes.deleted) {
        if (!m_rows.contains(object->objectID())) {
            return storeError(kPersistentStoreSaveErrorCode, "Deleted row is missing");
        }
    }
    return std::nullopt;
}

std::optional<ValidationError> InMemoryStore::save(const ChangeSet& changes) {
    if (m_failNext) {
        ValidationError error = std::move(*m_failNext);
        m_failNext.reset();
        return error;
    }
    // Everything that could fail is checked before the first row changes.
    if (std::optional<ValidationError> error = checkChanges(changes)) {
        return error;
    }
    for (const ManagedObject* object : changes.inserted) {
        m_rows[object->objectID()] = storedRowFor(*object);
    }
    for (const ObjectChange& change : changes.updated) {
        Row& row = m_rows[change.object->objectID()];
        for (const AttributeDescription& a : row.entity->attributes()) {
            if (change.attributeChanged(a.index)) {
                row.values[a.index] = a.accessor->get(*change.object);
            }
        }
        for (const RelationshipDescription& r : row.entity->relationships()) {
            if (change.relationshipChanged(r.index)) {
                row.links[r.index] = relationshipTargetIDs(*change.object, r);
            }
        }
    }
    for (const ManagedObject* object : changes.deleted) {
        m_rows.erase(object->objectID());
    }
    ++m_saveCount;
    return std::nullopt;
}

std::optional<ValidationError> InMemoryStore::load(ObjectContext& context) {
    for (const auto& [id, row] : m_rows) {
        if (!context.model().contains(*row.entity)) {
            return storeError(kPersistentStoreOpenErrorCode,
                              "Unknown entity " + row.entity->name());
        }
        ManagedObject& object = context.loadObject(*row.entity, id);
        for (const AttributeDescription& a : row.entity->attributes()) {
            context.loadAttribute(object, a, row.values[a.index]);
        }
    }
    for (const auto& [id, row] : m_rows) {
        ManagedObject& object = *context.objectWithID(*row.entity, id);
        for (const RelationshipDescription& r : row.entity->relationships()) {
            for (ObjectID targetID : row.links[r.index]) {
                ManagedObject* target = context.objectWithID(r.destination(), targetID);
                if (!target) {
                    return storeError(kPersistentStoreOpenErrorCode, "Dangling reference");
                }
                context.loadLink(object, r, *target);
            }
        }
    }
    return std::nullopt;
}

std::string InMemoryStore::dump() const {
    std::string out;
    for (const auto& [id, row] : m_rows) {
        out += row.entity->name() + "#" + std::to_string(id);
        for (const AttributeDescription& a : row.entity->attributes()) {
            out += " " + a.name + "=" + formatAttributeValue(row.values[a.index]);
        }
        for (const RelationshipDescription& r : row.entity->relationships()) {
            const std::vector<ObjectID>& ids = row.links[r.index];
            std::string text;
            if (r.toMany) {
                text = "[";
                for (std::size_t i = 0; i < ids.size(); ++i) {
                    text += (i ? " #" : "#") + std::to_string(ids[i]);
                }
                text += "]";
            } else {
                text = ids.empty() ? "nil" : "#" + std::to_string(ids[0]);
            }
            out += " " + r.name + "=" + text;
        }
        out += "\n";
    }
    return out;
}
