#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "store/migration/MappingExpression.h"

class EntityMigrationPolicy;

// One property of the destination entity and the expression that gives its value.
struct PropertyMapping final {
    std::string name;
    MappingExpression value;
};

// How the instances of one source entity (exactly that entity, not its sub-entities) become
// instances of one destination entity: attribute mappings, relationship mappings and an
// optional custom policy that replaces or extends the default rules. A mapping without a
// destination entity drops its source instances. Declared once in code:
//
//   EntityMapping("AccountToAccount", "Account", "Account")
//       .copyingMatchingAttributes()
//       .attribute("index", MappingExpression::source("sidebarIndex.position"))
//       .relationship("currency", destinationInstancesOfSourceRelationship("currency"))
//       .customPolicy("Account27Policy", [] { return std::make_unique<Account27Policy>(); })
class EntityMapping final {
public:
    using PolicyFactory = std::function<std::unique_ptr<EntityMigrationPolicy>()>;

    EntityMapping(std::string name, std::string sourceEntityName,
                  std::string destinationEntityName);

    // Every destination attribute without a mapping of its own takes the value of the source
    // attribute of the same name and kind, when there is one.
    EntityMapping& copyingMatchingAttributes();
    EntityMapping& attribute(std::string destinationName, MappingExpression value);
    EntityMapping& relationship(std::string destinationName, MappingExpression value);
    EntityMapping& customPolicy(std::string policyName, PolicyFactory factory);

    const std::string& name() const { return m_name; }
    const std::string& sourceEntityName() const { return m_sourceEntityName; }
    // Empty for a mapping that drops its instances.
    const std::string& destinationEntityName() const { return m_destinationEntityName; }
    bool copiesMatchingAttributes() const { return m_copiesMatchingAttributes; }
    const std::vector<PropertyMapping>& attributeMappings() const { return m_attributes; }
    const std::vector<PropertyMapping>& relationshipMappings() const { return m_relationships; }
    // Empty when the mapping has no custom policy.
    const std::string& customPolicyName() const { return m_policyName; }
    // A new instance of the custom policy, or the default policy when there is none.
    std::unique_ptr<EntityMigrationPolicy> makePolicy() const;

private:
    std::string m_name;
    std::string m_sourceEntityName;
    std::string m_destinationEntityName;
    bool m_copiesMatchingAttributes = false;
    std::vector<PropertyMapping> m_attributes;
    std::vector<PropertyMapping> m_relationships;
    std::string m_policyName;
    PolicyFactory m_policyFactory;
};
