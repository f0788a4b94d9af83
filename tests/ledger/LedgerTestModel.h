#pragma once

#include "store/EntityModel.h"

// The ledger's entities with Global, as one model for the ledger tests.
const EntityModel& ledgerTestModel();
