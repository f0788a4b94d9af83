// The savepoint half of ObjectContext: journaling changes to the objects that existed when a
// savepoint was set, and returning to it.
#include "base/AssertionFailure.h"
#include "store/FlagScope.h"
#include "store/ObjectContext.h"

namespace {

std::uint64_t bit(std::size_t index) {
    return 1ull << index;
}

}  // namespace

void ObjectContext::setSavepoint() {
    PN_ASSERT(!m_loading, "savepoint while loading");
    SavepointJournal journal;
    journal.firstNewID = m_nextID;
    journal.firstNewObject = m_allObjects.size();
    journal.undoMark = m_undoManager.setMark();
    m_savepoints.push_back(std::move(journal));
}

void ObjectContext::rollbackToSavepoint() {
    PN_ASSERT(!m_savepoints.empty(), "rollback without a savepoint");
    SavepointJournal journal = std::move(m_savepoints.back());
    m_savepoints.pop_back();
    {
        // Neither undo nor an enclosing savepoint's journal sees the way back.
        FlagScope rolling(m_rollingBack);
        takeOutNewObjects(journal);
        for (auto it = journal.structure.rbegin(); it != journal.structure.rend(); ++it) {
            revert(*it);
        }
        // Every old object that was deleted since is back, so each can take its value again.
        for (const UndoRecord& attribute : journal.attributes) {
            revert(attribute);
        }
        restoreTracking(journal);
    }
    m_undoManager.rollbackToMark(journal.undoMark);
}

std::optional<ValidationError> ObjectContext::releaseSavepoint() {
    PN_ASSERT(!m_savepoints.empty(), "release without a savepoint");
    SavepointJournal journal = std::move(m_savepoints.back());
    m_savepoints.pop_back();
    if (!m_savepoints.empty()) {
        mergeInto(m_savepoints.back(), std::move(journal));
    } else if (journal.saveHeld) {
        if (std::optional<ValidationError> error = save()) {
            m_savepoints.push_back(std::move(journal));
            return error;
        }
    }
    m_undoManager.releaseMark();
    return std::nullopt;
}

// ---- Journal ----

SavepointJournal* ObjectContext::journal() {
    return m_savepoints.empty() || m_rollingBack || m_loading ? nullptr : &m_savepoints.back();
}

void ObjectContext::noteTracking(ManagedObject& object) {
    SavepointJournal* j = journal();
    if (j == nullptr || !j->isOld(object) || !j->trackingNoted.insert(&object).second) {
        return;
    }
    SavepointJournal::Tracking tracking;
    tracking.object = &object;
    tracking.inserted = m_inserted.contains(object);
    tracking.deleted = m_deleted.contains(&object);
    if (auto found = m_updated.find(&object); found != m_updated.end()) {
        tracking.updated = true;
        tracking.attributes = found->second.attributes;
        tracking.relationships = found->second.relationships;
    }
    j->tracking.push_back(tracking);
}

void ObjectContext::noteAttribute(ManagedObject& object, const AttributeDescription& attribute) {
    SavepointJournal* j = journal();
    if (j == nullptr || !j->isOld(object)) {
        return;
    }
    std::uint64_t& noted = j->attributesNoted[&object];
    if ((noted & bit(attribute.index)) != 0) {
        return;
    }
    noted |= bit(attribute.index);
    j->attributes.push_back(UndoRecord{UndoRecord::Kind::Attribute, &object, &attribute, nullptr,
                                       nullptr, attribute.accessor->get(object)});
}

void ObjectContext::noteStructure(const UndoRecord& record) {
    SavepointJournal* j = journal();
    if (j != nullptr && j->isOld(*record.object) &&
        (record.target == nullptr || j->isOld(*record.target))) {
        j->structure.push_back(record);
    }
}

// ---- Rolling back ----

void ObjectContext::takeOutNewObjects(const SavepointJournal& journal) {
    // Newest first: each leaves the end of the sets it is in, which costs O(1).
    for (std::size_t i = m_allObjects.size(); i-- > journal.firstNewObject;) {
        ManagedObject& object = m_allObjects[i];
        if (!object.m_live) {
            continue;
        }
        for (const RelationshipDescription& rel : object.entity().relationships()) {
            std::vector<ManagedObject*> targets = targetsOf(object, rel);
            for (auto it = targets.rbegin(); it != targets.rend(); ++it) {
                unlink(object, rel, **it);
            }
        }
        unregisterObject(object);
    }
}

void ObjectContext::restoreTracking(const SavepointJournal& journal) {
    for (const SavepointJournal::Tracking& t : journal.tracking) {
        if (t.inserted) {
            m_inserted.insert(*t.object);
        } else {
            m_inserted.erase(*t.object);
        }
        if (t.deleted) {
            m_deleted.insert(t.object);
        } else {
            m_deleted.erase(t.object);
        }
        if (t.updated) {
            m_updated[t.object] = Masks{t.attributes, t.relationships};
        } else {
            m_updated.erase(t.object);
        }
    }
}

void ObjectContext::mergeInto(SavepointJournal& outer, SavepointJournal&& inner) {
    outer.saveHeld = outer.saveHeld || inner.saveHeld;
    // What is new to the outer savepoint is taken out whole by its rollback; only records of
    // its old objects carry over, and only where it has none of its own yet.
    for (UndoRecord& attribute : inner.attributes) {
        if (!outer.isOld(*attribute.object)) {
            continue;
        }
        std::uint64_t& noted = outer.attributesNoted[attribute.object];
        if ((noted & bit(attribute.attribute->index)) == 0) {
            noted |= bit(attribute.attribute->index);
            outer.attributes.push_back(std::move(attribute));
        }
    }
    for (UndoRecord& record : inner.structure) {
        if (outer.isOld(*record.object) &&
            (record.target == nullptr || outer.isOld(*record.target))) {
            outer.structure.push_back(std::move(record));
        }
    }
    for (const SavepointJournal::Tracking& tracking : inner.tracking) {
        if (outer.isOld(*tracking.object) && outer.trackingNoted.insert(tracking.object).second) {
            outer.tracking.push_back(tracking);
        }
    }
}
