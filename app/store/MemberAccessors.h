#pragma once

#include "store/EntityDescription.h"
#include "store/ObjectSet.h"

// Accessors bound to one C++ data member of class C (which may be a super-class of the entity
// class); an entity shares them with its sub-entities. Used by EntityBuilder.

template <class C, class T>
class MemberAttributeAccessor final : public AttributeAccessor {
public:
    explicit MemberAttributeAccessor(T C::*member) : m_member(member) {}
    T C::*member() const { return m_member; }
    AttributeValue get(const ManagedObject& object) const override {
        return AttributeTraits<T>::toValue(static_cast<const C&>(object).*m_member);
    }
    void set(ManagedObject& object, const AttributeValue& value) const override {
        static_cast<C&>(object).*m_member = AttributeTraits<T>::fromValue(value);
    }

private:
    T C::*m_member;
};

// M is T* (to-one) or ObjectSet<T> (to-many).
template <class C, class M>
class MemberRelationshipAccessor;

template <class C, class T>
class MemberRelationshipAccessor<C, T*> final : public RelationshipAccessor {
public:
    explicit MemberRelationshipAccessor(T* C::*member) : m_member(member) {}
    T* C::*member() const { return m_member; }
    ManagedObject* target(const ManagedObject& object) const override {
        return static_cast<const C&>(object).*m_member;
    }
    void setTarget(ManagedObject& object, ManagedObject* target) const override {
        static_cast<C&>(object).*m_member = static_cast<T*>(target);
    }
    const ObjectSetBase& targets(const ManagedObject&) const override { failNotToMany(); }
    ObjectSetBase& mutableTargets(ManagedObject&) const override { failNotToMany(); }

private:
    [[noreturn]] static void failNotToMany();
    T* C::*m_member;
};

template <class C, class T>
class MemberRelationshipAccessor<C, ObjectSet<T>> final : public RelationshipAccessor {
public:
    explicit MemberRelationshipAccessor(ObjectSet<T> C::*member) : m_member(member) {}
    ObjectSet<T> C::*member() const { return m_member; }
    ManagedObject* target(const ManagedObject&) const override { failNotToOne(); }
    void setTarget(ManagedObject&, ManagedObject*) const override { failNotToOne(); }
    const ObjectSetBase& targets(const ManagedObject& object) const override {
        return static_cast<const C&>(object).*m_member;
    }
    ObjectSetBase& mutableTargets(ManagedObject& object) const override {
        return static_cast<C&>(object).*m_member;
    }

private:
    [[noreturn]] static void failNotToOne();
    ObjectSet<T> C::*m_member;
};

[[noreturn]] void failWrongRelationshipKind(const char* message);

template <class C, class T>
void MemberRelationshipAccessor<C, T*>::failNotToMany() {
    failWrongRelationshipKind("A to-one relationship has no set of targets");
}

template <class C, class T>
void MemberRelationshipAccessor<C, ObjectSet<T>>::failNotToOne() {
    failWrongRelationshipKind("A to-many relationship has no single target");
}

template <class C, class T>
const AttributeDescription& EntityDescription::attributeForMember(T C::*member) const {
    for (const AttributeDescription& a : m_attributes) {
        if (a.memberType == &kMemberTypeKey<T C::*> &&
            static_cast<const MemberAttributeAccessor<C, T>&>(*a.accessor).member() == member) {
            return a;
        }
    }
    failMissingMember();
}

template <class C, class M>
const RelationshipDescription& EntityDescription::relationshipForMember(M C::*member) const {
    for (const RelationshipDescription& r : m_relationships) {
        if (r.memberType == &kMemberTypeKey<M C::*> &&
            static_cast<const MemberRelationshipAccessor<C, M>&>(*r.accessor).member() == member) {
            return r;
        }
    }
    failMissingMember();
}
