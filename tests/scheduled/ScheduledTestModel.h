#pragma once

#include "store/EntityModel.h"

// The entities the scheduled tests store: ScheduledItem and Global.
const EntityModel& scheduledTestModel();
