#include "ScheduledTestModel.h"

#include "ledger/Global.h"
#include "scheduled/ScheduledItem.h"

const EntityModel& scheduledTestModel() {
    static const EntityModel model(
        1, {&Global::entityDescription(), &ScheduledItem::entityDescription()});
    return model;
}
