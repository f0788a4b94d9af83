#pragma once

#include <memory>
#include <new>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/AssertionFailure.h"
#include "store/EntityDescription.h"
#include "store/MemberAccessors.h"

// Declares an entity once, in the entity class's static entityDescription():
//
//   const EntityDescription& Account::entityDescription() {
//       static const EntityDescription d = EntityBuilder<Account>("Account")
//           .parent(Node::entityDescription())
//           .attribute("type", &Account::m_type)
//           .attribute("startBalance", &Account::m_startBalance)
//           .toMany("transactions", &Account::m_transactions,
//                   &Transaction::entityDescription, "account", DeleteRule::Cascade)
//           .build();
//       return d;
//   }
//
// Attribute kinds and optionality come from the member's type (see AttributeTraits); a
// member's initial value is the attribute's default. Destinations are given by their
// entityDescription function so that entities may refer to each other in any order, or by
// their entity name when their class lies in a higher layer:
//
//           .toMany("scheduledItems", &Account::m_scheduledItems, "ScheduledItem", "account")
template <class Self>
class EntityBuilder final {
public:
    explicit EntityBuilder(std::string name) : m_name(std::move(name)) {}

    // Inherits the super-entity's properties. REQUIRES: called before any property.
    EntityBuilder& parent(const EntityDescription& parentEntity) {
        PN_ASSERT(m_attributes.empty() && m_relationships.empty(),
                  "parent() must come before the properties");
        m_parent = &parentEntity;
        m_attributes = parentEntity.attributes();
        m_relationships = parentEntity.relationships();
        return *this;
    }

    // No instances of this entity itself, only of its sub-entities.
    EntityBuilder& abstract() {
        m_abstract = true;
        return *this;
    }

    template <class C, class T>
    EntityBuilder& attribute(std::string name, T C::*member) {
        AttributeDescription a;
        a.name = std::move(name);
        a.kind = AttributeTraits<T>::kKind;
        a.optional = AttributeTraits<T>::kOptional;
        a.index = m_attributes.size();
        a.accessor = std::make_shared<MemberAttributeAccessor<C, T>>(member);
        a.memberType = &kMemberTypeKey<T C::*>;
        if (a.kind == AttributeKind::Date) {
            a.rule = kDateRule;
        }
        m_attributes.push_back(std::move(a));
        m_lastIsAttribute = true;
        return *this;
    }

    template <class C, class T>
    EntityBuilder& toOne(std::string name, T* C::*member, const EntityDescription& (*destination)(),
                         std::string inverseName, DeleteRule rule = DeleteRule::Nullify) {
        addRelationship<C, T*>(std::move(name), member, destination, std::move(inverseName), rule,
                               false);
        return *this;
    }

    template <class C, class T>
    EntityBuilder& toMany(std::string name, ObjectSet<T> C::*member,
                          const EntityDescription& (*destination)(), std::string inverseName,
                          DeleteRule rule = DeleteRule::Nullify) {
        addRelationship<C, ObjectSet<T>>(std::move(name), member, destination,
                                         std::move(inverseName), rule, true);
        return *this;
    }

    // The same with the destination given by its entity name, for a destination in a higher
    // layer: the member is untyped (ManagedObject* or ObjectSet<ManagedObject>) and the model
    // resolves the name.
    template <class C, class T>
    EntityBuilder& toOne(std::string name, T* C::*member, std::string destinationName,
                         std::string inverseName, DeleteRule rule = DeleteRule::Nullify) {
        addRelationship<C, T*>(std::move(name), member, nullptr, std::move(inverseName), rule,
                               false);
        m_relationships.back().destinationName = std::move(destinationName);
        return *this;
    }
    template <class C, class T>
    EntityBuilder& toMany(std::string name, ObjectSet<T> C::*member, std::string destinationName,
                          std::string inverseName, DeleteRule rule = DeleteRule::Nullify) {
        addRelationship<C, ObjectSet<T>>(std::move(name), member, nullptr, std::move(inverseName),
                                         rule, true);
        m_relationships.back().destinationName = std::move(destinationName);
        return *this;
    }

    // Attaches a per-property validator to the property declared last, e.g.
    // .attribute("name", &Node::m_name).validator(&Node::validateName).
    template <class C>
    EntityBuilder& validator(bool (C::*method)(std::optional<ValidationError>&) const) {
        PropertyValidator v = [method](const ManagedObject& object,
                                       std::optional<ValidationError>& error) {
            return (static_cast<const C&>(object).*method)(error);
        };
        if (m_lastIsAttribute) {
            PN_ASSERT(!m_attributes.empty(), "validator() needs a property before it");
            m_attributes.back().validator = std::move(v);
        } else {
            PN_ASSERT(!m_relationships.empty(), "validator() needs a property before it");
            m_relationships.back().validator = std::move(v);
        }
        return *this;
    }

    // Gives the attribute declared last a rule its values keep (see AttributeRule), e.g.
    // .attribute("amount", &Split::m_amount).rule(AmountRange::kRule).
    EntityBuilder& rule(AttributeRule attributeRule) {
        PN_ASSERT(m_lastIsAttribute && !m_attributes.empty(),
                  "rule() needs an attribute before it");
        m_attributes.back().rule = attributeRule;
        return *this;
    }

    EntityDescription build() {
        EntityDescription::Factory factory;
        EntityDescription::InPlaceConstructor inPlace;
        if (!m_abstract) {
            factory = [] { return std::unique_ptr<ManagedObject>(new Self()); };
            inPlace = {sizeof(Self), alignof(Self),
                       [](void* memory) -> ManagedObject* { return new (memory) Self(); }};
        }
        return EntityDescription(std::move(m_name), m_parent, std::move(factory),
                                 std::move(m_attributes), std::move(m_relationships), inPlace);
    }

private:
    template <class C, class M>
    void addRelationship(std::string name, M C::*member, const EntityDescription& (*destination)(),
                         std::string inverseName, DeleteRule rule, bool toMany) {
        RelationshipDescription r;
        r.name = std::move(name);
        r.inverseName = std::move(inverseName);
        r.toMany = toMany;
        r.deleteRule = rule;
        r.index = m_relationships.size();
        r.accessor = std::make_shared<MemberRelationshipAccessor<C, M>>(member);
        r.memberType = &kMemberTypeKey<M C::*>;
        r.destinationFunction = destination;
        m_relationships.push_back(std::move(r));
        m_lastIsAttribute = false;
    }

    std::string m_name;
    const EntityDescription* m_parent = nullptr;
    bool m_abstract = false;
    bool m_lastIsAttribute = true;
    std::vector<AttributeDescription> m_attributes;
    std::vector<RelationshipDescription> m_relationships;
};
