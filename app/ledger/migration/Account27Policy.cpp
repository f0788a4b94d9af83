#include "ledger/migration/Account27Policy.h"

#include "base/AssertionFailure.h"
#include "base/Date.h"
#include "ledger/Account.h"
#include "store/ManagedObject.h"
#include "store/migration/MigrationManager.h"

bool Account27Policy::createDestinationInstancesForSourceInstance(ManagedObject& source,
                                                                  const EntityMapping& mapping,
                                                                  MigrationManager& manager,
                                                                  std::string& error) {
    if (!manager.createDestinationInstancesByMappingRules(source, mapping, error)) {
        return false;
    }
    const std::vector<ManagedObject*> destinations =
        manager.destinationInstancesForEntityMappingNamed(mapping.name(), {&source});
    PN_ASSERT(destinations.size() == 1, "Expect only one destionation account");
    ManagedObject& account = *destinations.front();
    manager.setDestinationValue(account, "startBalanceDate", Date::today_PN());
    const AttributeDescription* isCash = source.entity().attributeNamed("isCash");
    PN_ASSERT(isCash, "Source account has no isCash attribute");
    const AttributeValue cash = isCash->accessor->get(source);
    if (std::get_if<bool>(&cash) && std::get<bool>(cash)) {
        manager.setDestinationValue(account, "type", std::string(kAccountTypeCash));
    }
    return true;
}
