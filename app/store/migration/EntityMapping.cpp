#include "store/migration/EntityMapping.h"

#include "store/migration/EntityMigrationPolicy.h"

EntityMapping::EntityMapping(std::string name, std::string sourceEntityName,
                             std::string destinationEntityName)
    : m_name(std::move(name)),
      m_sourceEntityName(std::move(sourceEntityName)),
      m_destinationEntityName(std::move(destinationEntityName)) {}

EntityMapping& EntityMapping::copyingMatchingAttributes() {
    m_copiesMatchingAttributes = true;
    return *this;
}

EntityMapping& EntityMapping::attribute(std::string destinationName, MappingExpression value) {
    m_attributes.push_back(PropertyMapping{std::move(destinationName), std::move(value)});
    return *this;
}

EntityMapping& EntityMapping::relationship(std::string destinationName, MappingExpression value) {
    m_relationships.push_back(PropertyMapping{std::move(destinationName), std::move(value)});
    return *this;
}

EntityMapping& EntityMapping::customPolicy(std::string policyName, PolicyFactory factory) {
    m_policyName = std::move(policyName);
    m_policyFactory = std::move(factory);
    return *this;
}

std::unique_ptr<EntityMigrationPolicy> EntityMapping::makePolicy() const {
    if (m_policyFactory) {
        return m_policyFactory();
    }
    return std::make_unique<EntityMigrationPolicy>();
}
