#include "store/ManagedObject.h"

#include "base/AssertionFailure.h"
#include "store/ObjectContext.h"

bool ManagedObject::validateForInsert(std::optional<ValidationError>&) const {
    return true;
}

bool ManagedObject::validateForUpdate(std::optional<ValidationError>&) const {
    return true;
}

bool ManagedObject::validateForDelete(std::optional<ValidationError>&) const {
    return true;
}

AttributeValue ManagedObject::willChangeAttribute(const AttributeDescription& attribute) {
    PN_ASSERT(m_context, "Object without a context");
    return m_context->willChangeAttribute(*this, attribute);
}

void ManagedObject::didChangeAttribute(const AttributeDescription& attribute,
                                       AttributeValue oldValue) {
    m_context->didChangeAttribute(*this, attribute, std::move(oldValue));
}

void ManagedObject::changeToOne(const RelationshipDescription& relationship,
                                ManagedObject* target) {
    PN_ASSERT(m_context, "Object without a context");
    m_context->setToOne(*this, relationship, target);
}

void ManagedObject::changeToMany(const RelationshipDescription& relationship, ManagedObject* target,
                                 bool add) {
    PN_ASSERT(m_context, "Object without a context");
    PN_ASSERT(target, "No object to add to or remove from " + relationship.name);
    if (add) {
        m_context->addToMany(*this, relationship, *target);
    } else {
        m_context->removeFromMany(*this, relationship, *target);
    }
}
