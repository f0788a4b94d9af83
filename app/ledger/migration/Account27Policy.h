#pragma once

#include "ledger/migration/AccountParent.h"

// The account mapping from model version 0, where an account had a boolean `isCash`: creates
// the destination account by the mapping's rules, starts its balance today and gives a cash
// account the type "cash". Its relationships are made as AccountParent makes them.
class Account27Policy final : public AccountParent {
public:
    [[nodiscard]] bool createDestinationInstancesForSourceInstance(ManagedObject& source,
                                                                   const EntityMapping& mapping,
                                                                   MigrationManager& manager,
                                                                   std::string& error) override;
};
