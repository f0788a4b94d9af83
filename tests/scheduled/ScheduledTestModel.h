#pragma once

#include "store/EntityModel.h"

// The ledger entities with ScheduledItem.
const EntityModel& scheduledTestModel();
