#include "store/EntityDescription.h"

#include "base/AssertionFailure.h"
#include "store/ManagedObject.h"

namespace {

// Codes of the store's own rule errors, as the platform's validation codes number them.
constexpr int kDateTooLateErrorCode = 1630;
constexpr int kDateTooSoonErrorCode = 1640;

bool acceptsDate(const AttributeValue& value) {
    return std::get<Date>(value).isInYears1To9999();
}

ValidationError refuseDate(const AttributeValue& value) {
    const Date date = std::get<Date>(value);
    return ValidationError{kStoreErrorDomain,
                           date > Date() ? kDateTooLateErrorCode : kDateTooSoonErrorCode,
                           "The date " + date.toISOString() + " is outside the years 1 to 9999.",
                           {},
                           {}};
}

}  // namespace

const AttributeRule kDateRule{&acceptsDate, &refuseDate};

const EntityDescription& RelationshipDescription::unresolvedDestination() const {
    PN_ASSERT(destinationFunction != nullptr,
              "Destination " + destinationName + " of " + name + " is not resolved by a model");
    return destinationFunction();
}

const RelationshipDescription& RelationshipDescription::inverse() const {
    PN_ASSERT(m_inverse, "Relationship " + name + " is not part of an entity model");
    return *m_inverse;
}

EntityDescription::EntityDescription(std::string name, const EntityDescription* parent,
                                     Factory factory, std::vector<AttributeDescription> attributes,
                                     std::vector<RelationshipDescription> relationships,
                                     InPlaceConstructor inPlace)
    : m_name(std::move(name)),
      m_parent(parent),
      m_factory(std::move(factory)),
      m_inPlace(m_factory ? inPlace : InPlaceConstructor{}),
      m_attributes(std::move(attributes)),
      m_relationships(std::move(relationships)) {
    // Change masks are 64-bit words.
    PN_ASSERT(m_attributes.size() <= 64 && m_relationships.size() <= 64,
              "Entity " + m_name + " has more than 64 attributes or relationships");
}

const EntityDescription& EntityDescription::rootEntity() const {
    const EntityDescription* e = this;
    while (e->m_parent) {
        e = e->m_parent;
    }
    return *e;
}

bool EntityDescription::isKindOf(const EntityDescription& other) const {
    for (const EntityDescription* e = this; e; e = e->m_parent) {
        if (e == &other) {
            return true;
        }
    }
    return false;
}

const AttributeDescription* EntityDescription::attributeNamed(std::string_view name) const {
    for (const AttributeDescription& a : m_attributes) {
        if (a.name == name) {
            return &a;
        }
    }
    return nullptr;
}

const RelationshipDescription* EntityDescription::relationshipNamed(std::string_view name) const {
    for (const RelationshipDescription& r : m_relationships) {
        if (r.name == name) {
            return &r;
        }
    }
    return nullptr;
}

std::unique_ptr<ManagedObject> EntityDescription::instantiate() const {
    PN_ASSERT(m_factory, "Entity " + m_name + " is abstract");
    return m_factory();
}

void EntityDescription::failMissingMember() const {
    PN_ASSERTION_FAILURE("Entity " + m_name + " declares no property for this member");
}

void failWrongRelationshipKind(const char* message) {
    PN_ASSERTION_FAILURE(message);
}
