#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SessionTestFolder.h"
#include "ledger/Global.h"
#include "scheduled/DIMonth.h"
#include "scheduled/DIWeek.h"
#include "scheduled/ScheduledItem.h"
#include "session/ApplicationModel.h"
#include "store/GraphDump.h"
#include "store/ObjectContext.h"
#include "store/XMLStore.h"

namespace {

// Every entity of the program, with the archived repeat rules set on one scheduled item and
// unset on another; written through the store directly (no validation involved).
TEST(XMLStoreTest, ProgramEntitiesRoundTrip) {
    SessionTestFolder folder;
    const std::string path = folder.file("Store.xml");
    const EntityModel& model = ApplicationModel::shared();
    ObjectContext ctx(model);
    for (const EntityDescription* entity : model.entities()) {
        if (!entity->isAbstract() && entity != &Global::entityDescription()) {
            ctx.insertObject(*entity);
        }
    }
    Global::sharedInstanceInContext(ctx)->setProjectionEndDate(Date::dateWithYear_PN(2030, 1, 31));
    ScheduledItem* item = ctx.insert<ScheduledItem>();
    item->setAmount(Decimal::fromString("-12.34"));
    item->setRepeatRules(std::vector<RepeatRule>{DIWeek(2), DIMonth(1), DIMonth(3)});

    XMLStore store(path, model);
    ASSERT_FALSE(store.save(ctx.changes()));
    ObjectContext fresh(model);
    XMLStore reader(path, model);
    ASSERT_FALSE(reader.load(fresh));
    EXPECT_EQ(dumpObjectGraph(fresh), dumpObjectGraph(ctx));
    EXPECT_EQ(ScheduledItem::countInContext(fresh), 2u);
}

}  // namespace
