#pragma once

#include <string>
#include <vector>

#include "store/EntityDescription.h"

// Declares an entity whose instances are DynamicObjects, with the same vocabulary as
// EntityBuilder but kinds given explicitly. Used for the entities of older model versions:
//
//   const EntityDescription& account0() {
//       static const EntityDescription d = DynamicEntityBuilder("Account", &account0)
//           .parent(node0())
//           .attribute("isCash", AttributeKind::Boolean)
//           .toMany("transactions", &transaction0, "account", DeleteRule::Cascade)
//           .build();
//       return d;
//   }
//
// `self` is the function the declaration lives in: instances find their description
// through it once it is built.
class DynamicEntityBuilder final {
public:
    using EntityFunction = const EntityDescription& (*)();

    DynamicEntityBuilder(std::string name, EntityFunction self);

    // Inherits the super-entity's properties. REQUIRES: called before any property, and the
    // super-entity was built by a DynamicEntityBuilder too.
    DynamicEntityBuilder& parent(const EntityDescription& parentEntity);
    DynamicEntityBuilder& abstract();
    DynamicEntityBuilder& attribute(std::string name, AttributeKind kind, bool optional = false);
    DynamicEntityBuilder& toOne(std::string name, EntityFunction destination,
                                std::string inverseName, DeleteRule rule = DeleteRule::Nullify);
    DynamicEntityBuilder& toMany(std::string name, EntityFunction destination,
                                 std::string inverseName, DeleteRule rule = DeleteRule::Nullify);

    EntityDescription build();

private:
    void addRelationship(std::string name, EntityFunction destination, std::string inverseName,
                         DeleteRule rule, bool toMany);

    std::string m_name;
    EntityFunction m_self;
    const EntityDescription* m_parent = nullptr;
    bool m_abstract = false;
    std::vector<AttributeDescription> m_attributes;
    std::vector<RelationshipDescription> m_relationships;
};
