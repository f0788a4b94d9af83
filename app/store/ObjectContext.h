#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string_view>
#include <typeindex>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "base/ValidationError.h"
#include "store/AttributeValue.h"
#include "store/ChangeSet.h"
#include "store/ContextObserver.h"
#include "store/EntityModel.h"
#include "store/InsertedObjects.h"
#include "store/ManagedObject.h"
#include "store/ObjectArena.h"
#include "store/ObjectIDMap.h"
#include "store/PersistentStore.h"
#include "store/SavepointJournal.h"
#include "store/UndoGrouping.h"
#include "store/UndoManager.h"

// Owns every object of one store: inserts and deletes them, applies delete rules, keeps
// inverse relationships consistent, tracks what changed since the last save, records undo,
// answers queries and saves through its PersistentStore. Used on the main thread only.
//
// Objects stay allocated until the context is destroyed, also after deletion (undo may bring
// them back), so pointers to them never dangle while the context lives. They are made in large
// blocks (ObjectArena) and destroyed together with the context.
//
// Every change is recorded for undo: wrap each user action in an UndoGrouping. Bulk work
// that is not a user action (generated stores, benchmarks) should run with
// undoManager().disableUndoRegistration(): records cost several hundred bytes per inserted
// object.
//
// A savepoint (setSavepoint, or the Savepoint guard) makes a run of changes one unit that can
// be taken back whole; see "Savepoints" below.
class ObjectContext final {
public:
    // REQUIRES: `model` outlives the context.
    explicit ObjectContext(const EntityModel& model);
    ~ObjectContext();
    ObjectContext(const ObjectContext&) = delete;
    ObjectContext& operator=(const ObjectContext&) = delete;

    const EntityModel& model() const { return m_model; }

    // The application's own context, used by the query forms ending in _pn. Set by the
    // session when it opens a store; AssertionFailure when asked while none is set.
    static ObjectContext& applicationContext();
    static bool hasApplicationContext();
    static void setApplicationContext(ObjectContext* context);

    // For the one context of a program that ends once it is gone (the command-line tool's
    // store): destroyed, this context closes its store and drops its observers and extensions
    // as always, but runs no destructor of its objects and returns none of their memory, which
    // the operating system takes back at exit in one piece. Other contexts of the process (a
    // snapshot opened to be checked) are taken apart as usual. Off by default.
    void leaveObjectsToProcessExit() { m_leavesObjectsToProcessExit = true; }

    void setPersistentStore(std::unique_ptr<PersistentStore> store);
    PersistentStore* persistentStore() const { return m_store.get(); }

    // ---- Inserting and deleting ----

    // Inserts a new object with the next ID and runs its awakeFromInsert. REQUIRES: the
    // entity is in the model and not abstract (AssertionFailure otherwise).
    template <class T>
    T* insert() {
        return static_cast<T*>(&insertObject(T::entityDescription()));
    }
    ManagedObject& insertObject(const EntityDescription& entity);
    // The same by entity name; AssertionFailure when the model has no such entity.
    ManagedObject& insertObjectForEntityName(std::string_view name);
    // Deletes `object`: objects on Cascade relationships are deleted first, then every
    // relationship of `object` is cleared on both ends. Deleting a deleted object does nothing.
    void deleteObject(ManagedObject& object);

    // ---- Generic access (tracked and undoable like the typed setters) ----

    void setAttributeValue(ManagedObject& object, const AttributeDescription& attribute,
                           const AttributeValue& value);
    // To-one: `target` may be nullptr. REQUIRES: target is of the destination entity.
    void setToOne(ManagedObject& object, const RelationshipDescription& relationship,
                  ManagedObject* target);
    // To-many: adds or removes one target (either end may be to-one or to-many).
    void addToMany(ManagedObject& object, const RelationshipDescription& relationship,
                   ManagedObject& target);
    void removeFromMany(ManagedObject& object, const RelationshipDescription& relationship,
                        ManagedObject& target);

    // ---- Queries ----

    // The live object with `id` when it is of `entity` (or a sub-entity); nothing otherwise.
    // O(log n).
    ManagedObject* objectWithID(const EntityDescription& entity, ObjectID id) const;
    // The live object with `id` of any entity, or nothing (stores resolve foreign keys and
    // reject duplicate IDs with it before loadObject).
    ManagedObject* objectWithID(ObjectID id) const;
    // The number of live objects of `entity` and its sub-entities, without visiting them.
    std::size_t countObjects(const EntityDescription& entity) const;
    // Calls visit(ManagedObject&) for every live object of `entity` and its sub-entities, per
    // concrete entity in ascending ID. `visit` returns true to go on, false to stop.
    // REQUIRES: `visit` neither inserts nor deletes.
    template <class Visit>
    void forEachObject(const EntityDescription& entity, Visit&& visit) const;

    // ---- Change tracking and saving ----

    bool hasChanges() const;
    // What the next save would write.
    ChangeSet changes() const;
    bool isInserted(const ManagedObject& object) const;
    bool isUpdated(const ManagedObject& object) const;

    // Runs every validator of the changed objects (per-property validators, then
    // validateForInsert / validateForUpdate / validateForDelete) and returns all failures
    // combined with errorFromOriginalError_pn, or nothing when all pass.
    [[nodiscard]] std::optional<ValidationError> validateChanges() const;
    // Validates, then writes the changes through the store. Returns nothing on success (the
    // change tracking is cleared). On failure returns the error and changes nothing: the
    // store's content is as before and the context keeps all its changes. Without changes it
    // succeeds at once; without a store it fails. While a savepoint is open the write is held
    // back (see below): valid changes answer success and stay pending.
    [[nodiscard]] std::optional<ValidationError> save();

    // ---- Savepoints: one unit of change ----
    //
    // setSavepoint() marks the state of the graph, of the change tracking and of the undo
    // stack. rollbackToSavepoint() returns to that state and closes the savepoint:
    //  - objects inserted since are deleted (they stay allocated like any deleted object, and
    //    their IDs are not handed out again); objects deleted since are back;
    //  - every attribute and relationship changed since has its value at the savepoint, with
    //    both ends of every relationship consistent;
    //  - the pending changes (changes(), hasChanges()) are exactly those at the savepoint, so
    //    the next save writes what it would have written then, and nothing of an object
    //    inserted since;
    //  - the undo and redo stacks are as they were: no record of what was rolled back remains,
    //    and a redo stack that a change since had cleared is back.
    // Observers see a rollback as ordinary inserts, removals and changes, so indexes kept by
    // them (extensions) follow it.
    //
    // releaseSavepoint() closes the savepoint and keeps its changes; they then belong to the
    // enclosing savepoint, if any. Savepoints nest; the innermost open one is the one rolled
    // back or released.
    //
    // Saves inside a savepoint: save() validates as always, but when the changes are valid it
    // only notes that a save was asked for and answers success; the write happens when the
    // outermost savepoint is released. A unit of change thus reaches the store whole or not at
    // all, and a rollback never has to take back a write.
    //
    // While a savepoint is open: undo, redo and UndoManager::removeAllActions are
    // AssertionFailures (canUndo and canRedo answer false), and nothing may be loaded.
    //
    // Cost: setting one is O(1). While one is open, the first change of each attribute of an
    // object that existed at the savepoint keeps its old value, and each link or unlink between
    // two such objects keeps one record; changes to objects inserted since keep nothing, so a
    // bulk insert under a savepoint holds no second copy of what it inserted (undo records, by
    // contrast, cost several hundred bytes per inserted object). A rollback costs time in the
    // number of objects inserted since plus the records kept.

    void setSavepoint();
    // REQUIRES: a savepoint is open (AssertionFailure otherwise).
    void rollbackToSavepoint();
    // Closes the innermost savepoint keeping its changes. When it is the outermost and a save
    // was asked for inside it, saves now and returns the save's result; on failure the
    // savepoint stays open with everything in it (roll back, or release again to retry).
    // REQUIRES: a savepoint is open.
    [[nodiscard]] std::optional<ValidationError> releaseSavepoint();
    std::size_t savepointDepth() const { return m_savepoints.size(); }

    // ---- Loading (for PersistentStore::load): no undo, no change tracking ----

    // Makes an object with a given ID as it is in the store. Loading in ascending ID keeps
    // loading linear. REQUIRES: the entity is in the model and not abstract, `id` is not 0 and
    // unused (AssertionFailure otherwise; a store reading an untrusted file checks first).
    ManagedObject& loadObject(const EntityDescription& entity, ObjectID id);
    // Optional, before loading: makes room for the objects about to load (`count` of each
    // `entity`, IDs up to `highestID`), so that each entity's objects take one allocation and
    // the ID map and registries do not grow while they load.
    struct LoadCount {
        const EntityDescription* entity = nullptr;
        std::size_t count = 0;
    };
    void reserveForLoading(const std::vector<LoadCount>& counts, ObjectID highestID);
    // REQUIRES: `attribute` is one of the object's entity and `value` matches its kind
    // (valueMatchesKind; unset only when optional), else AssertionFailure.
    void loadAttribute(ManagedObject& object, const AttributeDescription& attribute,
                       const AttributeValue& value);
    // All attributes of a loaded object at once, `values` by attribute index (a store's row).
    // REQUIRES: as for loadAttribute, for each value; one value per attribute of the object's
    // entity.
    void loadAttributes(ManagedObject& object, const std::vector<AttributeValue>& values);
    // Links `target` into `relationship` of `object` and the inverse; linking what is already
    // linked does nothing; a to-one end already holding another object lets it go.
    // REQUIRES: target.entity().isKindOf(relationship.destination()), else AssertionFailure.
    void loadLink(ManagedObject& object, const RelationshipDescription& relationship,
                  ManagedObject& target);

    // ---- Observers and undo ----

    // REQUIRES: the observer outlives its registration.
    void addObserver(ContextObserver* observer);
    void removeObserver(ContextObserver* observer);

    // A helper kept once per context by another subsystem (an index over the graph): made from
    // the context on first use and destroyed with it, before anything else of the context.
    template <class T>
    T& extension() {
        std::shared_ptr<void>& slot = m_extensions[std::type_index(typeid(T))];
        if (!slot) {
            slot = std::make_shared<T>(*this);
        }
        return *static_cast<T*>(slot.get());
    }

    UndoManager& undoManager() { return m_undoManager; }
    void undo() { m_undoManager.undo(); }
    void redo() { m_undoManager.redo(); }

private:
    friend class ManagedObject;
    friend class UndoManager;

    // The live objects of one concrete entity, in ascending ID. Deleted objects stay in the
    // list (skipped) until compaction, so an undo of a delete finds its place again.
    struct Registry {
        std::vector<ManagedObject*> objects;
        std::size_t liveCount = 0;
        std::size_t deadCount = 0;
    };
    struct Masks {
        std::uint64_t attributes = 0;
        std::uint64_t relationships = 0;
    };

    Registry& registryFor(const EntityDescription& entity);
    const std::vector<std::size_t>& registriesOf(const EntityDescription& entity) const;
    void addToRegistry(ManagedObject& object);
    void removeFromRegistry(ManagedObject& object);
    ManagedObject& adopt(ManagedObject& object, ObjectID id);

    // Primitive changes; each records undo, tracks the change and tells the observers.
    void registerObject(ManagedObject& object);
    void unregisterObject(ManagedObject& object);
    void link(ManagedObject& a, const RelationshipDescription& rel, ManagedObject& b);
    void unlink(ManagedObject& a, const RelationshipDescription& rel, ManagedObject& b);
    void rawLink(ManagedObject& a, const RelationshipDescription& rel, ManagedObject& b);
    void rawUnlink(ManagedObject& a, const RelationshipDescription& rel, ManagedObject& b);
    bool isLinked(const ManagedObject& a, const RelationshipDescription& rel,
                  const ManagedObject& b) const;
    std::vector<ManagedObject*> targetsOf(const ManagedObject& object,
                                          const RelationshipDescription& rel) const;
    void checkProperty(const ManagedObject& object, const void* accessor, std::size_t index,
                       bool isAttribute) const;
    void checkDestination(const RelationshipDescription& rel, const ManagedObject& target) const;

    void markUpdated(ManagedObject& object, std::uint64_t attributes, std::uint64_t relationships);
    void record(UndoRecord record);
    bool recording() const;

    // Savepoint journal (ObjectContextSavepoints.cpp): the note functions record a change
    // for the innermost savepoint; call them only while journaling() (the check is inline, so
    // loading and work without a savepoint pay nothing).
    bool journaling() const { return !m_savepoints.empty() && !m_rollingBack && !m_loading; }
    SavepointJournal* journal();
    void noteTracking(ManagedObject& object);
    void noteAttribute(ManagedObject& object, const AttributeDescription& attribute);
    void noteStructure(const UndoRecord& record);
    void takeOutNewObjects(const SavepointJournal& journal);
    void restoreTracking(const SavepointJournal& journal);
    static void mergeInto(SavepointJournal& outer, SavepointJournal&& inner);
    void revert(const UndoRecord& record);
    void commitSavedChanges();
    template <class F>
    void notify(F&& f) {
        for (ContextObserver* o : m_observers) {
            f(*o);
        }
    }

    // Called by ManagedObject's setters.
    AttributeValue willChangeAttribute(ManagedObject& object, const AttributeDescription& attr);
    void didChangeAttribute(ManagedObject& object, const AttributeDescription& attr,
                            AttributeValue oldValue);

    const EntityModel& m_model;
    std::unique_ptr<PersistentStore> m_store;
    // Every object ever made, in the order made, live or not.
    ObjectArena m_allObjects;
    // Every object ever adopted, by ID, live or not: loading resolves each link through it.
    ObjectIDMap m_objectsByID;
    std::vector<Registry> m_registries;
    std::unordered_map<const EntityDescription*, std::size_t> m_registryIndex;
    std::unordered_map<const EntityDescription*, std::vector<std::size_t>> m_kinds;
    InsertedObjects m_inserted;
    std::unordered_map<ManagedObject*, Masks> m_updated;
    std::unordered_set<ManagedObject*> m_deleted;
    std::vector<ContextObserver*> m_observers;
    UndoManager m_undoManager;
    bool m_leavesObjectsToProcessExit = false;
    ObjectID m_nextID = 1;
    bool m_loading = false;
    bool m_rollingBack = false;
    std::vector<SavepointJournal> m_savepoints;
    // Last, so extensions (which may watch the context) go first.
    std::unordered_map<std::type_index, std::shared_ptr<void>> m_extensions;
};

template <class Visit>
void ObjectContext::forEachObject(const EntityDescription& entity, Visit&& visit) const {
    for (std::size_t r : registriesOf(entity)) {
        for (ManagedObject* object : m_registries[r].objects) {
            if (object->m_live && !visit(*object)) {
                return;
            }
        }
    }
}
