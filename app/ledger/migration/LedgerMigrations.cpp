#include "ledger/migration/LedgerMigrations.h"

#include <memory>

#include "ledger/migration/Account27Policy.h"
#include "ledger/migration/AccountGroupIndex.h"
#include "ledger/migration/AccountIndex.h"
#include "ledger/migration/LedgerModel0.h"
#include "store/migration/MappingModel.h"
#include "store/migration/MigrationRegistry.h"
#include "store/migration/RelationshipMigration.h"

namespace {

MappingExpression fromSource(const std::string& relationship) {
    return RelationshipMigration::destinationInstancesOfSourceRelationship(relationship);
}

EntityMapping copying(std::string name, std::string entity) {
    EntityMapping mapping(std::move(name), entity, entity);
    mapping.copyingMatchingAttributes();
    return mapping;
}

std::vector<EntityMapping> mappings0To1() {
    std::vector<EntityMapping> m;
    m.push_back(copying("NodeToNode", "Node").relationship("parent", fromSource("parent")));
    m.push_back(copying("AccountGroupToAccountGroup", "AccountGroup")
                    .attribute("index", MappingExpression::source("sidebarIndex.position"))
                    .relationship("parent", fromSource("parent")));
    // The parent of an account is linked by its policy (AccountParent).
    m.push_back(
        copying("AccountToAccount", "Account")
            .attribute("index", MappingExpression::source("sidebarIndex.position"))
            .relationship("currency", fromSource("currency"))
            .customPolicy("Account27Policy", [] { return std::make_unique<Account27Policy>(); }));
    m.push_back(EntityMapping("AccountIndex", "AccountIndex", "").customPolicy("AccountIndex", [] {
        return std::make_unique<AccountIndex>();
    }));
    m.push_back(EntityMapping("AccountGroupIndex", "AccountGroupIndex", "")
                    .customPolicy("AccountGroupIndex",
                                  [] { return std::make_unique<AccountGroupIndex>(); }));
    m.push_back(copying("CurrencyToCurrency", "Currency"));
    m.push_back(copying("CategoryGroupToCategoryGroup", "CategoryGroup"));
    m.push_back(
        copying("CategoryToCategory", "Category").relationship("group", fromSource("group")));
    m.push_back(copying("TransactionToTransaction", "Transaction")
                    .relationship("account", fromSource("account")));
    m.push_back(copying("SplitToSplit", "Split")
                    .relationship("transaction", fromSource("transaction"))
                    .relationship("category", fromSource("category")));
    m.push_back(copying("GlobalToGlobal", "Global"));
    return m;
}

}  // namespace

const MappingModel& LedgerMigrations::mappingModel0To1() {
    static const MappingModel model(LedgerModel0::model(), 1, mappings0To1());
    return model;
}

void LedgerMigrations::install(const EntityModel& currentModel) {
    RelationshipMigration::addRelationshipMigrationMethodIfMissing();
    MigrationRegistry::shared().addStep(mappingModel0To1(), currentModel);
}
