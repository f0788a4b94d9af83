// The change half of ObjectContext: attribute and relationship changes with inverse
// maintenance, change tracking, undo recording, validation and save.
#include <algorithm>
#include <span>

#include "base/AssertionFailure.h"
#include "store/ObjectContext.h"
#include "store/ObjectOrder.h"

namespace {

std::uint64_t bit(std::size_t index) {
    return 1ull << index;
}

// The objects of a set in the order of their IDs.
template <class Set>
std::vector<ManagedObject*> sortedByID(const Set& objects) {
    std::vector<ManagedObject*> sorted(objects.begin(), objects.end());
    sortByID(sorted);
    return sorted;
}

// Adds the failures of one validation call to everything found so far, keeping the list flat
// when the call itself combined several.
void mergeValidation(std::optional<ValidationError>& all, const ValidationError& found) {
    if (found.isMultipleValidationErrors()) {
        // Details run newest first; add them back oldest first so the order survives.
        for (auto it = found.detailedErrors.rbegin(); it != found.detailedErrors.rend(); ++it) {
            (void)failValidation(all, *it);
        }
    } else {
        (void)failValidation(all, found);
    }
}

template <class Table>
void resetTable(Table& table) {
    if (table.bucket_count() > 1024) {
        Table().swap(table);
    } else {
        table.clear();
    }
}

template <class Rule>
void runRule(std::optional<ValidationError>& all, Rule&& rule) {
    std::optional<ValidationError> error;
    if (!rule(error)) {
        PN_ASSERT(error, "A validation rule failed without an error");
        mergeValidation(all, *error);
    }
}

// Every rule the changes of `set` must keep; all failures, or nothing.
std::optional<ValidationError> validateChangeSet(const ChangeSet& set) {
    std::optional<ValidationError> all;
    const auto validateProperties = [&](const ManagedObject& object) {
        for (const AttributeDescription& a : object.entity().attributes()) {
            if (a.rule.accepts) {
                const AttributeValue value = a.accessor->get(object);
                if (!a.accepts(value)) {
                    mergeValidation(all, a.rule.refusal(value));
                }
            }
            if (a.validator) {
                runRule(all, [&](auto& e) { return a.validator(object, e); });
            }
        }
        for (const RelationshipDescription& r : object.entity().relationships()) {
            if (r.validator) {
                runRule(all, [&](auto& e) { return r.validator(object, e); });
            }
        }
    };
    for (const ManagedObject* object : set.inserted) {
        validateProperties(*object);
        runRule(all, [&](auto& e) { return object->validateForInsert(e); });
    }
    for (const ObjectChange& change : set.updated) {
        validateProperties(*change.object);
        runRule(all, [&](auto& e) { return change.object->validateForUpdate(e); });
    }
    for (const ManagedObject* object : set.deleted) {
        runRule(all, [&](auto& e) { return object->validateForDelete(e); });
    }
    return all;
}

}  // namespace

// ---- Checks ----

void ObjectContext::checkProperty(const ManagedObject& object, const void* accessor,
                                  std::size_t index, bool isAttribute) const {
    PN_ASSERT(object.m_context == this, "Object belongs to another context");
    const EntityDescription& entity = object.entity();
    const bool belongs = isAttribute ? index < entity.attributes().size() &&
                                           entity.attributes()[index].accessor.get() == accessor
                                     : index < entity.relationships().size() &&
                                           entity.relationships()[index].accessor.get() == accessor;
    PN_ASSERT(belongs, "Property is not one of entity " + entity.name());
}

void ObjectContext::checkDestination(const RelationshipDescription& rel,
                                     const ManagedObject& target) const {
    PN_ASSERT(target.m_context == this, "Object belongs to another context");
    PN_ASSERT(target.entity().isKindOf(rel.destination()),
              target.entity().name() + " cannot be a target of " + rel.name);
}

// ---- Attributes ----

bool ObjectContext::isInserted(const ManagedObject& object) const {
    return m_inserted.contains(object);
}

bool ObjectContext::isUpdated(const ManagedObject& object) const {
    return m_updated.contains(const_cast<ManagedObject*>(&object));
}

void ObjectContext::setAttributeValue(ManagedObject& object, const AttributeDescription& attribute,
                                      const AttributeValue& value) {
    checkProperty(object, attribute.accessor.get(), attribute.index, true);
    PN_ASSERT(valueMatchesKind(value, attribute.kind) &&
                  (attribute.optional || !std::holds_alternative<std::monostate>(value)),
              "Value of the wrong kind for attribute " + attribute.name);
    if (attribute.accessor->get(object) == value) {
        return;
    }
    AttributeValue oldValue = willChangeAttribute(object, attribute);
    attribute.accessor->set(object, value);
    didChangeAttribute(object, attribute, std::move(oldValue));
}

AttributeValue ObjectContext::willChangeAttribute(ManagedObject& object,
                                                  const AttributeDescription& attribute) {
    PN_ASSERT(object.m_live, "Changing " + attribute.name + " of a deleted object");
    if (journaling()) {
        noteAttribute(object, attribute);
    }
    notify([&](ContextObserver& o) { o.attributeWillChange(object, attribute); });
    return recording() ? attribute.accessor->get(object) : AttributeValue{};
}

void ObjectContext::didChangeAttribute(ManagedObject& object, const AttributeDescription& attribute,
                                       AttributeValue oldValue) {
    markUpdated(object, bit(attribute.index), 0);
    if (recording()) {
        record(UndoRecord{UndoRecord::Kind::Attribute, &object, &attribute, nullptr, nullptr,
                          std::move(oldValue)});
    }
    notify([&](ContextObserver& o) { o.attributeDidChange(object, attribute); });
}

// ---- Relationships ----

void ObjectContext::setToOne(ManagedObject& object, const RelationshipDescription& relationship,
                             ManagedObject* target) {
    checkProperty(object, relationship.accessor.get(), relationship.index, false);
    PN_ASSERT(!relationship.toMany, relationship.name + " is a to-many relationship");
    PN_ASSERT(object.m_live, "Changing " + relationship.name + " of a deleted object");
    ManagedObject* current = relationship.accessor->target(object);
    if (current == target) {
        return;
    }
    if (target) {
        link(object, relationship, *target);
    } else {
        unlink(object, relationship, *current);
    }
}

void ObjectContext::addToMany(ManagedObject& object, const RelationshipDescription& relationship,
                              ManagedObject& target) {
    checkProperty(object, relationship.accessor.get(), relationship.index, false);
    PN_ASSERT(relationship.toMany, relationship.name + " is a to-one relationship");
    link(object, relationship, target);
}

void ObjectContext::removeFromMany(ManagedObject& object,
                                   const RelationshipDescription& relationship,
                                   ManagedObject& target) {
    checkProperty(object, relationship.accessor.get(), relationship.index, false);
    PN_ASSERT(relationship.toMany, relationship.name + " is a to-one relationship");
    unlink(object, relationship, target);
}

bool ObjectContext::isLinked(const ManagedObject& a, const RelationshipDescription& rel,
                             const ManagedObject& b) const {
    return rel.toMany ? rel.accessor->targets(a).contains(&b) : rel.accessor->target(a) == &b;
}

std::vector<ManagedObject*> ObjectContext::targetsOf(const ManagedObject& object,
                                                     const RelationshipDescription& rel) const {
    if (rel.toMany) {
        const std::span<ManagedObject* const> targets = rel.accessor->targets(object).objects();
        return std::vector<ManagedObject*>(targets.begin(), targets.end());
    }
    ManagedObject* target = rel.accessor->target(object);
    return target ? std::vector<ManagedObject*>{target} : std::vector<ManagedObject*>{};
}

void ObjectContext::rawLink(ManagedObject& a, const RelationshipDescription& rel,
                            ManagedObject& b) {
    if (rel.toMany) {
        rel.accessor->mutableTargets(a).insert(&b);
    } else {
        rel.accessor->setTarget(a, &b);
    }
}

void ObjectContext::rawUnlink(ManagedObject& a, const RelationshipDescription& rel,
                              ManagedObject& b) {
    if (rel.toMany) {
        rel.accessor->mutableTargets(a).erase(&b);
    } else {
        rel.accessor->setTarget(a, nullptr);
    }
}

void ObjectContext::link(ManagedObject& a, const RelationshipDescription& rel, ManagedObject& b) {
    checkDestination(rel, b);
    PN_ASSERT(a.m_live && b.m_live, "Linking " + rel.name + " with a deleted object");
    if (isLinked(a, rel, b)) {
        return;
    }
    const RelationshipDescription& inv = rel.inverse();
    // A to-one end holds one object: whatever it held before is let go first.
    if (!rel.toMany) {
        if (ManagedObject* current = rel.accessor->target(a)) {
            unlink(a, rel, *current);
        }
    }
    if (!inv.toMany) {
        if (ManagedObject* current = inv.accessor->target(b)) {
            unlink(b, inv, *current);
        }
    }
    rawLink(a, rel, b);
    rawLink(b, inv, a);
    markUpdated(a, 0, bit(rel.index));
    markUpdated(b, 0, bit(inv.index));
    UndoRecord change{UndoRecord::Kind::Link, &a, nullptr, &rel, &b, {}};
    if (journaling()) {
        noteStructure(change);
    }
    record(std::move(change));
    notify([&](ContextObserver& o) {
        o.relationshipLinked(a, rel, b);
        o.relationshipLinked(b, inv, a);
    });
}

void ObjectContext::unlink(ManagedObject& a, const RelationshipDescription& rel, ManagedObject& b) {
    if (!isLinked(a, rel, b)) {
        return;
    }
    const RelationshipDescription& inv = rel.inverse();
    rawUnlink(a, rel, b);
    rawUnlink(b, inv, a);
    markUpdated(a, 0, bit(rel.index));
    markUpdated(b, 0, bit(inv.index));
    UndoRecord change{UndoRecord::Kind::Unlink, &a, nullptr, &rel, &b, {}};
    if (journaling()) {
        noteStructure(change);
    }
    record(std::move(change));
    notify([&](ContextObserver& o) {
        o.relationshipUnlinked(a, rel, b);
        o.relationshipUnlinked(b, inv, a);
    });
}

// ---- Change tracking and undo ----

void ObjectContext::markUpdated(ManagedObject& object, std::uint64_t attributes,
                                std::uint64_t relationships) {
    if (m_loading || !object.m_live || m_inserted.contains(object)) {
        return;
    }
    if (journaling()) {
        noteTracking(object);
    }
    Masks& masks = m_updated[&object];
    masks.attributes |= attributes;
    masks.relationships |= relationships;
}

bool ObjectContext::recording() const {
    return !m_loading && !m_rollingBack && m_undoManager.isUndoRegistrationEnabled();
}

void ObjectContext::record(UndoRecord undoRecord) {
    if (recording()) {
        m_undoManager.record(std::move(undoRecord));
    }
}

void ObjectContext::revert(const UndoRecord& r) {
    switch (r.kind) {
        case UndoRecord::Kind::Attribute:
            setAttributeValue(*r.object, *r.attribute, r.oldValue);
            break;
        case UndoRecord::Kind::Link:
            unlink(*r.object, *r.relationship, *r.target);
            break;
        case UndoRecord::Kind::Unlink:
            link(*r.object, *r.relationship, *r.target);
            break;
        case UndoRecord::Kind::Register:
            unregisterObject(*r.object);
            break;
        case UndoRecord::Kind::Unregister:
            registerObject(*r.object);
            break;
    }
}

bool ObjectContext::hasChanges() const {
    return !m_inserted.empty() || !m_updated.empty() || !m_deleted.empty();
}

ChangeSet ObjectContext::changes() const {
    ChangeSet set;
    set.inserted = m_inserted.sortedByID();
    set.deleted = sortedByID(m_deleted);
    set.updated.reserve(m_updated.size());
    for (const auto& [object, masks] : m_updated) {
        set.updated.push_back(ObjectChange{object, masks.attributes, masks.relationships});
    }
    std::sort(
        set.updated.begin(), set.updated.end(),
        [](const ObjectChange& a, const ObjectChange& b) { return byID(a.object, b.object); });
    return set;
}

// ---- Validation and save ----

std::optional<ValidationError> ObjectContext::validateChanges() const {
    return validateChangeSet(changes());
}

std::optional<ValidationError> ObjectContext::save() {
    if (!hasChanges()) {
        return std::nullopt;
    }
    // Listing a bulk change sorts it by ID: once for the rules and the store alike.
    const ChangeSet set = changes();
    if (std::optional<ValidationError> invalid = validateChangeSet(set)) {
        return invalid;
    }
    if (!m_store) {
        return ValidationError{kStoreErrorDomain,
                               kPersistentStoreSaveErrorCode,
                               "The changes could not be saved because no store is open.",
                               {},
                               {}};
    }
    if (!m_savepoints.empty()) {
        m_savepoints.back().saveHeld = true;  // written by the outermost release
        return std::nullopt;
    }
    if (std::optional<ValidationError> failed = m_store->save(set)) {
        return failed;
    }
    commitSavedChanges();
    return std::nullopt;
}

void ObjectContext::commitSavedChanges() {
    for (ManagedObject* object : m_inserted.takeAll()) {
        object->m_persisted = true;
    }
    for (ManagedObject* object : m_deleted) {
        object->m_persisted = false;
    }
    // clear() keeps the bucket array and costs its size on every later clear; after a bulk
    // save that would make each small save pay for the store's size. Drop large tables.
    resetTable(m_updated);
    resetTable(m_deleted);
}
