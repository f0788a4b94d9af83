#pragma once

#include "store/EntityModel.h"

// The program's whole entity model: every entity of the ledger, the scheduled items and the
// budgets. Stores are opened with it, and tests and benchmarks build their contexts on it.
// Building it installs the migrations of older stores and the budgets' hook on new
// categories.
class ApplicationModel final {
public:
    // Built once, on first use.
    static const EntityModel& shared();
};
