#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "store/EntityModel.h"
#include "store/ObjectContext.h"
#include "store/migration/DynamicEntityBuilder.h"
#include "store/migration/EntityMigrationPolicy.h"
#include "store/migration/MappingModel.h"
#include "store/migration/MigrationManager.h"
#include "store/migration/RelationshipMigration.h"

namespace {

// Owner 1--* Pet, the same in both versions; version 1 adds Pet.formerOwner.
const EntityDescription& pet0();
const EntityDescription& owner0() {
    static const EntityDescription d = DynamicEntityBuilder("Owner", &owner0)
                                           .attribute("name", AttributeKind::Text)
                                           .toMany("pets", &pet0, "owner")
                                           .build();
    return d;
}
const EntityDescription& pet0() {
    static const EntityDescription d = DynamicEntityBuilder("Pet", &pet0)
                                           .attribute("name", AttributeKind::Text)
                                           .toOne("owner", &owner0, "pets")
                                           .build();
    return d;
}
const EntityDescription& pet1();
const EntityDescription& owner1() {
    static const EntityDescription d = DynamicEntityBuilder("Owner", &owner1)
                                           .attribute("name", AttributeKind::Text)
                                           .toMany("pets", &pet1, "owner")
                                           .toMany("formerPets", &pet1, "formerOwner")
                                           .build();
    return d;
}
const EntityDescription& pet1() {
    static const EntityDescription d = DynamicEntityBuilder("Pet", &pet1)
                                           .attribute("name", AttributeKind::Text)
                                           .toOne("owner", &owner1, "pets")
                                           .toOne("formerOwner", &owner1, "formerPets")
                                           .build();
    return d;
}
const EntityModel& model0() {
    static const EntityModel m(0, {&owner0(), &pet0()});
    return m;
}
const EntityModel& model1() {
    static const EntityModel m(1, {&owner1(), &pet1()});
    return m;
}

MappingExpression call(AttributeValue name, std::string sources) {
    return MappingExpression::function(RelationshipMigration::kFunctionName,
                                       {MappingExpression::constant(std::move(name)),
                                        MappingExpression::source(std::move(sources))});
}

std::string nameOf(const ManagedObject& object) {
    return std::get<std::string>(object.entity().attributeNamed("name")->accessor->get(object));
}

// From the relationship step of the owners, calls the function as a policy would, with the
// source owner's pets in reverse order, and records the names it gets back.
class ProbePolicy final : public EntityMigrationPolicy {
public:
    explicit ProbePolicy(std::vector<std::string>& names) : m_names(names) {}
    bool createRelationshipsForDestinationInstance(ManagedObject&, const EntityMapping&,
                                                   MigrationManager& manager,
                                                   std::string&) override {
        ManagedObject& owner = *manager.currentSourceInstance();
        const std::span<ManagedObject* const> owned =
            owner.entity().relationshipNamed("pets")->accessor->targets(owner).objects();
        std::vector<ManagedObject*> pets(owned.begin(), owned.end());
        std::reverse(pets.begin(), pets.end());
        for (ManagedObject* pet :
             RelationshipMigration::destinationInstancesForSourceRelationshipNamed(
                 manager, std::string("pets"), pets)) {
            m_names.push_back(nameOf(*pet) + (&pet->entity() == &pet1() ? "" : "?"));
        }
        return true;
    }

private:
    std::vector<std::string>& m_names;
};

class RelationshipMigrationTest : public ::testing::Test {
protected:
    void SetUp() override {
        RelationshipMigration::addRelationshipMigrationMethodIfMissing();
        ManagedObject& ann = make(owner0(), "Ann");
        for (const char* name : {"Rex", "Tom"}) {
            ManagedObject& pet = make(pet0(), name);
            m_source.setToOne(pet, *pet0().relationshipNamed("owner"), &ann);
        }
    }

    ManagedObject& make(const EntityDescription& entity, const char* name) {
        ManagedObject& object = m_source.insertObject(entity);
        m_source.setAttributeValue(object, *entity.attributeNamed("name"), std::string(name));
        return object;
    }

    // Owners copied, pets with the given relationship mappings; nothing on success.
    std::optional<std::string> migrate(std::vector<PropertyMapping> petRelationships,
                                       bool ownersTwice = false) {
        std::vector<EntityMapping> mappings;
        mappings.push_back(
            EntityMapping("OwnerToOwner", "Owner", "Owner").copyingMatchingAttributes());
        if (ownersTwice) {
            mappings.push_back(
                EntityMapping("OwnerToOwnerAgain", "Owner", "Owner").copyingMatchingAttributes());
        }
        EntityMapping pets("PetToPet", "Pet", "Pet");
        pets.copyingMatchingAttributes();
        for (PropertyMapping& p : petRelationships) {
            pets.relationship(p.name, std::move(p.value));
        }
        mappings.push_back(std::move(pets));
        m_mapping = std::make_unique<MappingModel>(model0(), 1, std::move(mappings));
        m_destination = std::make_unique<ObjectContext>(model1());
        MigrationManager manager(*m_mapping, m_source, *m_destination);
        return manager.migrate();
    }

    ObjectContext m_source{model0()};
    std::unique_ptr<ObjectContext> m_destination;
    std::unique_ptr<MappingModel> m_mapping;
};

TEST_F(RelationshipMigrationTest, MalformedMappingsEndTheMigrationWithTheirTexts) {
    const struct {
        const char* name;
        std::vector<PropertyMapping> relationships;
        bool ownersTwice;
        const char* error;
    } cases[] = {
        {"no name",
         {{"owner", call(AttributeValue{}, "owner")}},
         false,
         "Property mapping in PetToPet missing required source relationship name argument to "
         "destinationInstancesForSourceRelationshipNamed:sourceInstances:"},
        {"unknown source relationship",
         {{"owner", call(std::string("keeper"), "owner")}},
         false,
         "Can't find relationship for name (keeper) for entity (Pet) in source model."},
        {"two mappings, one name",
         {{"owner", call(std::string("owner"), "owner")},
          {"formerOwner", call(std::string("owner"), "owner")}},
         false,
         "More than one property mapping (owner, formerOwner) in PetToPet calls "
         "destinationInstancesForSourceRelationshipNamed:sourceInstances: with the same source "
         "relationship name owner, can't determine the correct destination relationship"},
        {"unknown destination relationship",
         {{"master", call(std::string("owner"), "owner")}},
         false,
         "Can't find relationship for name (master) for entity (Pet) in destination model."},
        {"two destinations for one source",
         {{"owner", call(std::string("owner"), "owner")}},
         true,
         "More than one destination instance found for source instance of type (Owner) for "
         "relationship mapping (owner)."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(migrate(c.relationships, c.ownersTwice), std::optional<std::string>(c.error));
    }
}

TEST_F(RelationshipMigrationTest, LinksEachSourceTargetsDestinationInItsOrder) {
    ASSERT_EQ(migrate({{"owner",
                        RelationshipMigration::destinationInstancesOfSourceRelationship("owner")}}),
              std::nullopt);
    std::vector<std::string> pets;
    m_destination->forEachObject(pet1(), [&](ManagedObject& pet) {
        const ManagedObject* owner = pet1().relationshipNamed("owner")->accessor->target(pet);
        pets.push_back(nameOf(pet) + ":" + (owner ? nameOf(*owner) : "-") + ":" +
                       std::to_string(pet.objectID()));
        return true;
    });
    EXPECT_EQ(pets, (std::vector<std::string>{"Rex:Ann:2", "Tom:Ann:3"}));
}

TEST_F(RelationshipMigrationTest, AnswersInSourceOrderAndNothingWithoutAMappingThatCallsIt) {
    for (const bool mapsPets : {true, false}) {
        SCOPED_TRACE(mapsPets);
        std::vector<std::string> names;
        EntityMapping owners("OwnerToOwner", "Owner", "Owner");
        owners.copyingMatchingAttributes().customPolicy(
            "Probe", [&] { return std::make_unique<ProbePolicy>(names); });
        if (mapsPets) {
            owners.relationship(
                "pets", RelationshipMigration::destinationInstancesOfSourceRelationship("pets"));
        }
        std::vector<EntityMapping> mappings;
        mappings.push_back(std::move(owners));
        mappings.push_back(EntityMapping("PetToPet", "Pet", "Pet").copyingMatchingAttributes());
        MappingModel model(model0(), 1, std::move(mappings));
        ObjectContext destination(model1());
        ASSERT_EQ(MigrationManager(model, m_source, destination).migrate(), std::nullopt);
        EXPECT_EQ(names,
                  mapsPets ? (std::vector<std::string>{"Tom", "Rex"}) : std::vector<std::string>{});
    }
}

TEST_F(RelationshipMigrationTest, InstallsTheFunctionOnlyWhenMissing) {
    MigrationManager::removeFunction(RelationshipMigration::kFunctionName);
    EXPECT_EQ(migrate({{"owner", call(std::string("owner"), "owner")}}),
              std::optional<std::string>("Unknown function " +
                                         std::string(RelationshipMigration::kFunctionName) +
                                         " in a mapping model."));

    bool ownUsed = false;
    MigrationManager::addFunction(RelationshipMigration::kFunctionName,
                                  [&](MigrationManager&, const std::vector<MappingValue>&) {
                                      ownUsed = true;
                                      return std::vector<ManagedObject*>{};
                                  });
    RelationshipMigration::addRelationshipMigrationMethodIfMissing();
    ObjectContext destination(model1());
    MigrationManager manager(*m_mapping, m_source, destination);
    EXPECT_EQ(manager.migrate(), std::nullopt);
    EXPECT_TRUE(ownUsed);

    MigrationManager::removeFunction(RelationshipMigration::kFunctionName);
    RelationshipMigration::addRelationshipMigrationMethodIfMissing();
    EXPECT_TRUE(MigrationManager::hasFunction(RelationshipMigration::kFunctionName));
}

}  // namespace
