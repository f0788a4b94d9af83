#pragma once

#include <cstdint>
#include <optional>
#include <utility>

#include "base/ValidationError.h"
#include "store/EntityDescription.h"
#include "store/MemberAccessors.h"
#include "store/ObjectSet.h"

class ObjectContext;

// A permanent object ID: unique within a context across all entities, assigned on insert
// (counting up from 1), kept by the stores so that they can write foreign keys. 0 is no ID.
using ObjectID = std::uint64_t;

// The base of every entity class. Instances are made and owned by an ObjectContext
// (ObjectContext::insert), never copied. Entity classes hold their attributes as typed data
// members and their relationships as `T*` (to-one) or `ObjectSet<T>` (to-many) members, and
// write them only through the protected setters below, which go through the context: it
// tracks the change for the next save, keeps the inverse relationship consistent and records
// undo. Derive through Entity<Self, Base> (store/Entity.h), which adds the typed queries.
class ManagedObject {
public:
    virtual ~ManagedObject() = default;
    ManagedObject(const ManagedObject&) = delete;
    ManagedObject& operator=(const ManagedObject&) = delete;

    virtual const EntityDescription& entity() const = 0;

    ObjectID objectID() const { return m_objectID; }
    // The context that made this object; it stays set after deletion.
    ObjectContext* managedObjectContext() const { return m_context; }
    // True after deletion (until an undo brings the object back).
    bool isDeleted() const { return !m_live; }

    // Runs once, right after the object is first inserted (not when loaded, not when an undo
    // brings it back). Sets defaults through the setters.
    virtual void awakeFromInsert() {}

    // Object-level rules run by ObjectContext::save after the per-property validators. On a
    // failing rule: store the error with failValidation(error, ...) and return false.
    [[nodiscard]] virtual bool validateForInsert(std::optional<ValidationError>& error) const;
    [[nodiscard]] virtual bool validateForUpdate(std::optional<ValidationError>& error) const;
    [[nodiscard]] virtual bool validateForDelete(std::optional<ValidationError>& error) const;

protected:
    ManagedObject() = default;

    // Sets an attribute member. Does nothing when the value is equal to the current one.
    // REQUIRES: the object is not deleted.
    template <class C, class T, class V>
    void setValue(T C::*member, V&& value);
    // Sets a to-one relationship (nullptr clears it); the inverse follows.
    template <class C, class T>
    void setToOne(T* C::*member, T* target);
    // Adds or removes one object of a to-many relationship; the inverse follows.
    template <class C, class T>
    void addToMany(ObjectSet<T> C::*member, T* target);
    template <class C, class T>
    void removeFromMany(ObjectSet<T> C::*member, T* target);

private:
    friend class ObjectContext;
    friend class InsertedObjects;

    // Out-of-line halves of setValue: the context records the old value before and tracks
    // the change after the member is assigned.
    AttributeValue willChangeAttribute(const AttributeDescription& attribute);
    void didChangeAttribute(const AttributeDescription& attribute, AttributeValue oldValue);
    void changeToOne(const RelationshipDescription& relationship, ManagedObject* target);
    void changeToMany(const RelationshipDescription& relationship, ManagedObject* target, bool add);

    ObjectID m_objectID = 0;
    ObjectContext* m_context = nullptr;
    bool m_live = false;             // registered in the context (inserted/loaded, not deleted)
    bool m_persisted = false;        // the store holds a row for it as of the last save or load
    bool m_beingDeleted = false;     // guards cascades against cycles
    bool m_insertedUnsaved = false;  // in the context's InsertedObjects
};

template <class C, class T, class V>
void ManagedObject::setValue(T C::*member, V&& value) {
    T& slot = static_cast<C&>(*this).*member;
    if (slot == value) {
        return;
    }
    const AttributeDescription& attribute = entity().attributeForMember(member);
    AttributeValue oldValue = willChangeAttribute(attribute);
    slot = std::forward<V>(value);
    didChangeAttribute(attribute, std::move(oldValue));
}

template <class C, class T>
void ManagedObject::setToOne(T* C::*member, T* target) {
    if (static_cast<C&>(*this).*member == target) {
        return;
    }
    changeToOne(entity().relationshipForMember(member), target);
}

template <class C, class T>
void ManagedObject::addToMany(ObjectSet<T> C::*member, T* target) {
    changeToMany(entity().relationshipForMember(member), target, true);
}

template <class C, class T>
void ManagedObject::removeFromMany(ObjectSet<T> C::*member, T* target) {
    changeToMany(entity().relationshipForMember(member), target, false);
}
