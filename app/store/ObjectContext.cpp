#include "store/ObjectContext.h"

#include <algorithm>

#include "base/AssertionFailure.h"
#include "store/FlagScope.h"

namespace {

ObjectContext* g_applicationContext = nullptr;

bool idBelow(const ManagedObject* object, ObjectID id) {
    return object->objectID() < id;
}

}  // namespace

ObjectContext::ObjectContext(const EntityModel& model) : m_model(model), m_undoManager(*this) {
    for (const EntityDescription* e : model.entities()) {
        if (!e->isAbstract()) {
            m_registryIndex[e] = m_registries.size();
            m_registries.emplace_back();
        }
    }
    for (const EntityDescription* e : model.entities()) {
        std::vector<std::size_t>& kinds = m_kinds[e];
        for (const EntityDescription* concrete : model.concreteEntitiesOf(*e)) {
            kinds.push_back(m_registryIndex.at(concrete));
        }
    }
}

ObjectContext::~ObjectContext() {
    if (g_applicationContext == this) {
        g_applicationContext = nullptr;
    }
    if (m_leavesObjectsToProcessExit) {
        // Everything else goes as always (the extensions first: they watch the context); only
        // the objects stay, and with them the memory of their strings and sets.
        m_extensions.clear();
        m_allObjects.abandon();
    }
}

ObjectContext& ObjectContext::applicationContext() {
    PN_ASSERT(g_applicationContext, "managedObjectContext missing");
    return *g_applicationContext;
}

bool ObjectContext::hasApplicationContext() {
    return g_applicationContext != nullptr;
}

void ObjectContext::setApplicationContext(ObjectContext* context) {
    g_applicationContext = context;
}

void ObjectContext::setPersistentStore(std::unique_ptr<PersistentStore> store) {
    m_store = std::move(store);
}

// ---- Registries ----

ObjectContext::Registry& ObjectContext::registryFor(const EntityDescription& entity) {
    auto it = m_registryIndex.find(&entity);
    PN_ASSERT(it != m_registryIndex.end(),
              "Entity " + entity.name() + " is not a concrete entity of this context's model");
    return m_registries[it->second];
}

const std::vector<std::size_t>& ObjectContext::registriesOf(const EntityDescription& entity) const {
    auto it = m_kinds.find(&entity);
    PN_ASSERT(it != m_kinds.end(), "Entity " + entity.name() + " is not in this context's model");
    return it->second;
}

void ObjectContext::addToRegistry(ManagedObject& object) {
    Registry& r = registryFor(object.entity());
    ++r.liveCount;
    if (r.objects.empty() || r.objects.back()->objectID() < object.objectID()) {
        r.objects.push_back(&object);
        return;
    }
    auto it = std::lower_bound(r.objects.begin(), r.objects.end(), object.objectID(), idBelow);
    if (it != r.objects.end() && *it == &object) {
        --r.deadCount;  // back in its old place
    } else {
        r.objects.insert(it, &object);
    }
}

void ObjectContext::removeFromRegistry(ManagedObject& object) {
    Registry& r = registryFor(object.entity());
    --r.liveCount;
    ++r.deadCount;
    // Compact only when the dead entries outnumber the live ones, so that deleting many
    // objects stays linear overall.
    if (r.deadCount > 64 && r.deadCount > r.liveCount) {
        std::erase_if(r.objects, [](const ManagedObject* o) { return !o->m_live; });
        r.deadCount = 0;
    }
}

ManagedObject& ObjectContext::adopt(ManagedObject& object, ObjectID id) {
    object.m_objectID = id;
    object.m_context = this;
    m_objectsByID.insert(id, &object);
    return object;
}

// ---- Inserting and deleting ----

ManagedObject& ObjectContext::insertObject(const EntityDescription& entity) {
    PN_ASSERT(m_model.contains(entity),
              "Entity " + entity.name() + " is not in this context's model");
    ManagedObject& object = adopt(m_allObjects.make(entity), m_nextID++);
    PN_ASSERT(&object.entity() == &entity, "Entity class of " + entity.name() + " is wrong");
    registerObject(object);
    object.awakeFromInsert();
    return object;
}

ManagedObject& ObjectContext::insertObjectForEntityName(std::string_view name) {
    const EntityDescription* entity = m_model.entityNamed(name);
    PN_ASSERT(entity, "No entity named " + std::string(name) + " in this context's model");
    return insertObject(*entity);
}

void ObjectContext::deleteObject(ManagedObject& object) {
    PN_ASSERT(object.m_context == this, "Object belongs to another context");
    if (!object.m_live || object.m_beingDeleted) {
        return;
    }
    FlagScope deleting(object.m_beingDeleted);
    for (const RelationshipDescription& rel : object.entity().relationships()) {
        if (rel.deleteRule == DeleteRule::Cascade) {
            // Highest ID first: each target then leaves the end of our set, which is O(1).
            std::vector<ManagedObject*> targets = targetsOf(object, rel);
            for (auto it = targets.rbegin(); it != targets.rend(); ++it) {
                deleteObject(**it);
            }
        }
    }
    for (const RelationshipDescription& rel : object.entity().relationships()) {
        std::vector<ManagedObject*> targets = targetsOf(object, rel);
        for (auto it = targets.rbegin(); it != targets.rend(); ++it) {
            unlink(object, rel, **it);
        }
    }
    unregisterObject(object);
}

void ObjectContext::registerObject(ManagedObject& object) {
    object.m_live = true;
    addToRegistry(object);
    if (!m_loading) {
        if (journaling()) {
            noteTracking(object);
        }
        if (object.m_persisted) {
            // Back before its deletion was saved: the stored row may be older than the object.
            m_deleted.erase(&object);
            const auto all = [](std::size_t n) { return n >= 64 ? ~0ull : (1ull << n) - 1; };
            m_updated[&object] = Masks{all(object.entity().attributes().size()),
                                       all(object.entity().relationships().size())};
        } else {
            m_inserted.insert(object);
        }
    }
    UndoRecord change{UndoRecord::Kind::Register, &object, nullptr, nullptr, nullptr, {}};
    if (journaling()) {
        noteStructure(change);
    }
    record(std::move(change));
    notify([&](ContextObserver& o) { o.objectInserted(object); });
}

void ObjectContext::unregisterObject(ManagedObject& object) {
    notify([&](ContextObserver& o) { o.objectRemoved(object); });
    object.m_live = false;
    removeFromRegistry(object);
    if (journaling()) {
        noteTracking(object);
    }
    if (!m_inserted.erase(object) && object.m_persisted) {
        m_updated.erase(&object);
        m_deleted.insert(&object);
    }
    UndoRecord change{UndoRecord::Kind::Unregister, &object, nullptr, nullptr, nullptr, {}};
    if (journaling()) {
        noteStructure(change);
    }
    record(std::move(change));
}

// ---- Queries ----

ManagedObject* ObjectContext::objectWithID(const EntityDescription& entity, ObjectID id) const {
    ManagedObject* object = m_objectsByID.find(id);
    if (object == nullptr) {
        (void)registriesOf(entity);  // still refuses an entity of another model
        return nullptr;
    }
    return object->m_live && object->entity().isKindOf(entity) ? object : nullptr;
}

ManagedObject* ObjectContext::objectWithID(ObjectID id) const {
    ManagedObject* object = m_objectsByID.find(id);
    return object != nullptr && object->m_live ? object : nullptr;
}

std::size_t ObjectContext::countObjects(const EntityDescription& entity) const {
    std::size_t count = 0;
    for (std::size_t index : registriesOf(entity)) {
        count += m_registries[index].liveCount;
    }
    return count;
}

// ---- Loading ----

ManagedObject& ObjectContext::loadObject(const EntityDescription& entity, ObjectID id) {
    PN_ASSERT(id != 0, "Object ID 0 in store");
    PN_ASSERT(m_model.contains(entity),
              "Entity " + entity.name() + " is not in this context's model");
    PN_ASSERT(!objectWithID(id), "Object ID " + std::to_string(id) + " used twice");
    PN_ASSERT(m_savepoints.empty(), "Loading while a savepoint is open");
    FlagScope loading(m_loading);
    ManagedObject& object = adopt(m_allObjects.make(entity), id);
    object.m_persisted = true;
    registerObject(object);
    m_nextID = std::max(m_nextID, id + 1);
    return object;
}

void ObjectContext::reserveForLoading(const std::vector<LoadCount>& counts, ObjectID highestID) {
    std::size_t total = 0;
    for (const LoadCount& c : counts) {
        PN_ASSERT(m_model.contains(*c.entity) && !c.entity->isAbstract(),
                  "Entity " + c.entity->name() + " cannot be loaded into this context");
        m_allObjects.reserve(*c.entity, c.count);
        Registry& registry = registryFor(*c.entity);
        registry.objects.reserve(registry.objects.size() + c.count);
        total += c.count;
    }
    m_objectsByID.reserve(highestID, total);
}

void ObjectContext::loadAttribute(ManagedObject& object, const AttributeDescription& attribute,
                                  const AttributeValue& value) {
    checkProperty(object, attribute.accessor.get(), attribute.index, true);
    PN_ASSERT(valueMatchesKind(value, attribute.kind) &&
                  (attribute.optional || !std::holds_alternative<std::monostate>(value)),
              "Value of the wrong kind for attribute " + attribute.name);
    FlagScope loading(m_loading);
    notify([&](ContextObserver& o) { o.attributeWillChange(object, attribute); });
    attribute.accessor->set(object, value);
    notify([&](ContextObserver& o) { o.attributeDidChange(object, attribute); });
}

void ObjectContext::loadAttributes(ManagedObject& object,
                                   const std::vector<AttributeValue>& values) {
    PN_ASSERT(object.m_context == this, "Object belongs to another context");
    const std::vector<AttributeDescription>& attributes = object.entity().attributes();
    PN_ASSERT(values.size() == attributes.size(),
              "A value for each attribute of " + object.entity().name());
    FlagScope loading(m_loading);
    for (const AttributeDescription& attribute : attributes) {
        const AttributeValue& value = values[attribute.index];
        PN_ASSERT(valueMatchesKind(value, attribute.kind) &&
                      (attribute.optional || !std::holds_alternative<std::monostate>(value)),
                  "Value of the wrong kind for attribute " + attribute.name);
        if (m_observers.empty()) {
            attribute.accessor->set(object, value);
            continue;
        }
        notify([&](ContextObserver& o) { o.attributeWillChange(object, attribute); });
        attribute.accessor->set(object, value);
        notify([&](ContextObserver& o) { o.attributeDidChange(object, attribute); });
    }
}

void ObjectContext::loadLink(ManagedObject& object, const RelationshipDescription& relationship,
                             ManagedObject& target) {
    checkProperty(object, relationship.accessor.get(), relationship.index, false);
    FlagScope loading(m_loading);
    link(object, relationship, target);
}

// ---- Observers ----

void ObjectContext::addObserver(ContextObserver* observer) {
    m_observers.push_back(observer);
}

void ObjectContext::removeObserver(ContextObserver* observer) {
    std::erase(m_observers, observer);
}
