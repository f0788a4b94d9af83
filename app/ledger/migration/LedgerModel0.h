#pragma once

#include "store/EntityDescription.h"
#include "store/EntityModel.h"

// The ledger's model version 0, kept to read stores written before version 1. Its entities
// have no classes of their own (DynamicEntityBuilder). What differs from version 1:
// - an account has a boolean `isCash` instead of a `type`, and no start balance date;
// - the position of an account or group among its siblings lives in a record of its own
//   (AccountIndex, AccountGroupIndex: `position`), not in the node's `index`;
// - there are no scheduled items, budgets, category limits or transfer settings, and a
//   transaction has no `isNew`, `ofxCheckNumber` or `splitsChanged`; Global has no projection
//   settings.
class LedgerModel0 final {
public:
    static constexpr int kVersion = 0;

    static const EntityModel& model();

    static const EntityDescription& node();
    static const EntityDescription& account();
    static const EntityDescription& accountGroup();
    static const EntityDescription& accountIndex();
    static const EntityDescription& accountGroupIndex();
    static const EntityDescription& transaction();
    static const EntityDescription& split();
    static const EntityDescription& category();
    static const EntityDescription& categoryGroup();
    static const EntityDescription& currency();
    static const EntityDescription& global();
};
