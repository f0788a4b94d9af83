#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/ValidationError.h"
#include "store/AttributeValue.h"

class ManagedObject;
class ObjectSetBase;
class EntityDescription;

// What deleting an object does to the objects at the other end of one of its relationships:
// Nullify clears the link (the inverse loses the deleted object), Cascade deletes them too.
enum class DeleteRule { Nullify, Cascade };

// A per-property validator run before every save of an inserted or updated object. It follows
// the program's validation pattern: on failure it stores its error in `error` (combined with
// what is there, see failValidation) and returns false.
using PropertyValidator =
    std::function<bool(const ManagedObject& object, std::optional<ValidationError>& error)>;

// A rule every value of an attribute keeps, in memory and in the store file alike: `accepts`
// answers whether a value keeps it (an unset value of an optional attribute is not asked
// about); `refusal` is the validation error for one that does not. A save refuses a value that
// breaks the rule, and a store whose file holds one is damaged: loading it fails.
struct AttributeRule final {
    bool (*accepts)(const AttributeValue& value) = nullptr;
    ValidationError (*refusal)(const AttributeValue& value) = nullptr;
};

// The rule of every date attribute: a day of the years 1 to 9999.
extern const AttributeRule kDateRule;

// Reads and writes one attribute of any object of the entity, with no change tracking.
class AttributeAccessor {
public:
    virtual ~AttributeAccessor() = default;
    virtual AttributeValue get(const ManagedObject& object) const = 0;
    // REQUIRES: `value` matches the attribute's kind (unset only for optional attributes).
    virtual void set(ManagedObject& object, const AttributeValue& value) const = 0;
};

// Reads and writes one relationship of any object of the entity, with no change tracking and
// no inverse maintenance (the context does both).
class RelationshipAccessor {
public:
    virtual ~RelationshipAccessor() = default;
    // To-one relationships only.
    virtual ManagedObject* target(const ManagedObject& object) const = 0;
    virtual void setTarget(ManagedObject& object, ManagedObject* target) const = 0;
    // To-many relationships only.
    virtual const ObjectSetBase& targets(const ManagedObject& object) const = 0;
    virtual ObjectSetBase& mutableTargets(ManagedObject& object) const = 0;
};

// One address per C++ member pointer type (an inline variable has one definition in the
// program): a typed setter finds its description among the entity's by comparing pointers,
// where comparing type_info objects compares their names.
template <class M>
inline constexpr char kMemberTypeKey = 0;

// One attribute of an entity. `index` is its position in EntityDescription::attributes()
// (inherited attributes first); change masks use it as a bit number.
struct AttributeDescription final {
    std::string name;
    AttributeKind kind = AttributeKind::Text;
    bool optional = false;
    std::size_t index = 0;
    std::shared_ptr<const AttributeAccessor> accessor;
    PropertyValidator validator;  // empty when the attribute has none
    AttributeRule rule;           // no `accepts`: every value of the kind is sound
    // kMemberTypeKey of the C++ member pointer's type; lets typed setters find their
    // description.
    const void* memberType = nullptr;

    // False when `value` is set and breaks the attribute's rule.
    bool accepts(const AttributeValue& value) const {
        return rule.accepts == nullptr || std::holds_alternative<std::monostate>(value) ||
               rule.accepts(value);
    }
};

// One relationship of an entity. Every relationship has an inverse on its destination.
struct RelationshipDescription final {
    std::string name;
    std::string inverseName;
    bool toMany = false;
    DeleteRule deleteRule = DeleteRule::Nullify;
    std::size_t index = 0;
    std::shared_ptr<const RelationshipAccessor> accessor;
    PropertyValidator validator;
    const void* memberType = nullptr;  // as for attributes
    // The destination entity: its entityDescription function, or else its name. A class names
    // the destinations that lie in a higher layer, whose classes it cannot see; the model
    // resolves the name.
    const EntityDescription& (*destinationFunction)() = nullptr;
    std::string destinationName;

    // REQUIRES: given by function, or the description is part of an EntityModel (which resolves
    // names), else AssertionFailure.
    const EntityDescription& destination() const {
        return m_destination != nullptr ? *m_destination : unresolvedDestination();
    }
    // The relationship at the other end. REQUIRES: the description is part of an EntityModel
    // (which resolves and checks every inverse).
    const RelationshipDescription& inverse() const;

private:
    friend class EntityModel;
    const EntityDescription& unresolvedDestination() const;

    mutable const EntityDescription* m_destination = nullptr;
    mutable const RelationshipDescription* m_inverse = nullptr;
};

// How to make an instance of an entity in memory the caller provides (a context's
// ObjectArena): the class's size and alignment and a function that constructs a blank instance
// there. Empty for an entity made only by its factory (the migration's dynamic entities).
struct EntityInPlaceConstructor final {
    std::size_t size = 0;
    std::size_t alignment = 0;
    ManagedObject* (*construct)(void* memory) = nullptr;
};

// An entity: its name (the class's name), its super-entity, attributes and relationships
// (inherited ones first, with the same indexes as in the super-entity) and how to make an
// instance. Built once per class by EntityBuilder; immutable afterwards.
class EntityDescription final {
public:
    using Factory = std::function<std::unique_ptr<ManagedObject>()>;
    using InPlaceConstructor = EntityInPlaceConstructor;

    EntityDescription(std::string name, const EntityDescription* parent, Factory factory,
                      std::vector<AttributeDescription> attributes,
                      std::vector<RelationshipDescription> relationships,
                      InPlaceConstructor inPlace = {});

    const std::string& name() const { return m_name; }
    // The super-entity (Account's is Node); nothing for a root.
    const EntityDescription* parent() const { return m_parent; }
    // The root of this entity's hierarchy (itself when it has no parent).
    const EntityDescription& rootEntity() const;
    // True when this is `other` or one of its sub-entities.
    bool isKindOf(const EntityDescription& other) const;
    // Abstract entities have no instances of their own, only of sub-entities.
    bool isAbstract() const { return !m_factory; }

    const std::vector<AttributeDescription>& attributes() const { return m_attributes; }
    const std::vector<RelationshipDescription>& relationships() const { return m_relationships; }
    // Nothing when the entity has no property of that name.
    const AttributeDescription* attributeNamed(std::string_view name) const;
    const RelationshipDescription* relationshipNamed(std::string_view name) const;

    // The description of the attribute stored in `member`; AssertionFailure when none is.
    template <class C, class T>
    const AttributeDescription& attributeForMember(T C::*member) const;
    template <class C, class M>
    const RelationshipDescription& relationshipForMember(M C::*member) const;

    // A new, blank instance. REQUIRES: !isAbstract() (else AssertionFailure).
    std::unique_ptr<ManagedObject> instantiate() const;
    // Empty (no `construct`) when instances can only be made by instantiate().
    const InPlaceConstructor& inPlaceConstructor() const { return m_inPlace; }

private:
    [[noreturn]] void failMissingMember() const;

    std::string m_name;
    const EntityDescription* m_parent;
    Factory m_factory;
    InPlaceConstructor m_inPlace;
    std::vector<AttributeDescription> m_attributes;
    std::vector<RelationshipDescription> m_relationships;
};
