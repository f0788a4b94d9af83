#include "store/migration/DynamicEntityBuilder.h"

#include <memory>

#include "base/AssertionFailure.h"
#include "store/ObjectSet.h"
#include "store/migration/DynamicObject.h"

// The accessors reach into DynamicObject by index; both are its friends.
class DynamicAttributeAccessor final : public AttributeAccessor {
public:
    explicit DynamicAttributeAccessor(std::size_t index) : m_index(index) {}
    AttributeValue get(const ManagedObject& object) const override {
        return static_cast<const DynamicObject&>(object).m_values[m_index];
    }
    void set(ManagedObject& object, const AttributeValue& value) const override {
        static_cast<DynamicObject&>(object).m_values[m_index] = value;
    }

private:
    std::size_t m_index;
};

class DynamicRelationshipAccessor final : public RelationshipAccessor {
public:
    DynamicRelationshipAccessor(std::size_t index, bool toMany)
        : m_index(index), m_toMany(toMany) {}
    ManagedObject* target(const ManagedObject& object) const override {
        PN_ASSERT(!m_toMany, "A to-many relationship has no single target");
        return static_cast<const DynamicObject&>(object).m_targets[m_index];
    }
    void setTarget(ManagedObject& object, ManagedObject* target) const override {
        PN_ASSERT(!m_toMany, "A to-many relationship has no single target");
        static_cast<DynamicObject&>(object).m_targets[m_index] = target;
    }
    const ObjectSetBase& targets(const ManagedObject& object) const override {
        PN_ASSERT(m_toMany, "A to-one relationship has no set of targets");
        return static_cast<const DynamicObject&>(object).m_targetSets[m_index];
    }
    ObjectSetBase& mutableTargets(ManagedObject& object) const override {
        PN_ASSERT(m_toMany, "A to-one relationship has no set of targets");
        return static_cast<DynamicObject&>(object).m_targetSets[m_index];
    }

private:
    std::size_t m_index;
    bool m_toMany;
};

DynamicEntityBuilder::DynamicEntityBuilder(std::string name, EntityFunction self)
    : m_name(std::move(name)), m_self(self) {}

DynamicEntityBuilder& DynamicEntityBuilder::parent(const EntityDescription& parentEntity) {
    PN_ASSERT(m_attributes.empty() && m_relationships.empty(),
              "parent() must come before the properties");
    m_parent = &parentEntity;
    m_attributes = parentEntity.attributes();
    m_relationships = parentEntity.relationships();
    return *this;
}

DynamicEntityBuilder& DynamicEntityBuilder::abstract() {
    m_abstract = true;
    return *this;
}

DynamicEntityBuilder& DynamicEntityBuilder::attribute(std::string name, AttributeKind kind,
                                                      bool optional) {
    AttributeDescription a;
    a.name = std::move(name);
    a.kind = kind;
    a.optional = optional;
    a.index = m_attributes.size();
    a.accessor = std::make_shared<DynamicAttributeAccessor>(a.index);
    m_attributes.push_back(std::move(a));
    return *this;
}

DynamicEntityBuilder& DynamicEntityBuilder::toOne(std::string name, EntityFunction destination,
                                                  std::string inverseName, DeleteRule rule) {
    addRelationship(std::move(name), destination, std::move(inverseName), rule, false);
    return *this;
}

DynamicEntityBuilder& DynamicEntityBuilder::toMany(std::string name, EntityFunction destination,
                                                   std::string inverseName, DeleteRule rule) {
    addRelationship(std::move(name), destination, std::move(inverseName), rule, true);
    return *this;
}

void DynamicEntityBuilder::addRelationship(std::string name, EntityFunction destination,
                                           std::string inverseName, DeleteRule rule, bool toMany) {
    RelationshipDescription r;
    r.name = std::move(name);
    r.inverseName = std::move(inverseName);
    r.toMany = toMany;
    r.deleteRule = rule;
    r.index = m_relationships.size();
    r.accessor = std::make_shared<DynamicRelationshipAccessor>(r.index, toMany);
    r.destinationFunction = destination;
    m_relationships.push_back(std::move(r));
}

EntityDescription DynamicEntityBuilder::build() {
    EntityDescription::Factory factory;
    if (!m_abstract) {
        EntityFunction self = m_self;
        factory = [self] { return std::unique_ptr<ManagedObject>(new DynamicObject(self())); };
    }
    return EntityDescription(std::move(m_name), m_parent, std::move(factory),
                             std::move(m_attributes), std::move(m_relationships));
}
