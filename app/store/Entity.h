#pragma once

#include <cstddef>
#include <vector>

#include "store/ManagedObject.h"
#include "store/ObjectContext.h"

// The base of an entity class `Self` whose super-entity class is `Base` (ManagedObject for a
// root entity). `Self` declares
//     static const EntityDescription& entityDescription();
// and gets the typed queries below. Predicates are C++ callables taking `const Self&` and
// returning bool. Results include instances of sub-entities, in no particular order (today:
// per concrete entity, ascending ID). The _pn forms use ObjectContext::applicationContext().
//
//   class Account final : public Entity<Account, Node> { ... };
//   auto open = Account::findByPredicate([](const Account& a) { return !a.isClosed(); }, ctx);
template <class Self, class Base = ManagedObject>
class Entity : public Base {
public:
    const EntityDescription& entity() const override { return Self::entityDescription(); }

    static std::vector<Self*> allInContext(ObjectContext& context) {
        return findByPredicate([](const Self&) { return true; }, context);
    }
    static std::vector<Self*> all_pn() { return allInContext(ObjectContext::applicationContext()); }

    template <class Predicate>
    static std::vector<Self*> findByPredicate(Predicate&& predicate, ObjectContext& context) {
        std::vector<Self*> result;
        context.forEachObject(Self::entityDescription(), [&](ManagedObject& object) {
            Self& typed = static_cast<Self&>(object);
            if (predicate(static_cast<const Self&>(typed))) {
                result.push_back(&typed);
            }
            return true;
        });
        return result;
    }
    template <class Predicate>
    static std::vector<Self*> findByPredicate_pn(Predicate&& predicate) {
        return findByPredicate(predicate, ObjectContext::applicationContext());
    }

    // The first match, or nullptr.
    template <class Predicate>
    static Self* findFirstByPredicate(Predicate&& predicate, ObjectContext& context) {
        Self* found = nullptr;
        context.forEachObject(Self::entityDescription(), [&](ManagedObject& object) {
            Self& typed = static_cast<Self&>(object);
            if (predicate(static_cast<const Self&>(typed))) {
                found = &typed;
                return false;
            }
            return true;
        });
        return found;
    }

    // The live object with that ID when it is a Self; nullptr otherwise.
    static Self* findByID(ObjectID id, ObjectContext& context) {
        return static_cast<Self*>(context.objectWithID(Self::entityDescription(), id));
    }

    // Counted without building a result list.
    static std::size_t countInContext(ObjectContext& context) {
        return context.countObjects(Self::entityDescription());
    }
    template <class Predicate>
    static std::size_t countWithPredicate(Predicate&& predicate, ObjectContext& context) {
        std::size_t count = 0;
        context.forEachObject(Self::entityDescription(), [&](ManagedObject& object) {
            if (predicate(static_cast<const Self&>(object))) {
                ++count;
            }
            return true;
        });
        return count;
    }

protected:
    Entity() = default;
};
