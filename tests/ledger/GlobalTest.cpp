#include <gtest/gtest.h>

#include "base/AssertionFailure.h"
#include "ledger/Global.h"
#include "store/InMemoryStore.h"
#include "store/ObjectContext.h"

namespace {

const EntityModel& globalModel() {
    static const EntityModel model(1, {&Global::entityDescription()});
    return model;
}

TEST(Global, SharedInstanceIsCreatedOnceAndFoundAfterReload) {
    ObjectContext ctx(globalModel());
    auto store = std::make_unique<InMemoryStore>();
    InMemoryStore* memory = store.get();
    ctx.setPersistentStore(std::move(store));
    Global* global = Global::sharedInstanceInContext(ctx);
    EXPECT_EQ(Global::sharedInstanceInContext(ctx), global);
    EXPECT_EQ(Global::countInContext(ctx), 1u);
    EXPECT_EQ(global->homeCurrency(), "USD");
    EXPECT_EQ(global->nextSortID(), 0);
    EXPECT_FALSE(global->isShowingProjection());
    global->setHomeCurrency("EUR");
    global->setProjectionEndDate(Date::dateWithYear_PN(2026, 12, 31));
    ASSERT_FALSE(ctx.save());

    ObjectContext reloaded(globalModel());
    ASSERT_FALSE(memory->load(reloaded));
    Global* again = Global::sharedInstanceInContext(reloaded);
    EXPECT_EQ(again->objectID(), global->objectID());
    EXPECT_EQ(again->homeCurrency(), "EUR");
    EXPECT_EQ(again->projectionEndDate(), Date::dateWithYear_PN(2026, 12, 31));
    EXPECT_EQ(Global::countInContext(reloaded), 1u);
}

TEST(Global, TwoRecordsAreAnAssertionFailure) {
    ObjectContext ctx(globalModel());
    ctx.insert<Global>();
    ctx.insert<Global>();
    EXPECT_THROW(Global::sharedInstanceInContext(ctx), AssertionFailure);
}

TEST(Global, SharedInstanceUsesTheApplicationContext) {
    ObjectContext::setApplicationContext(nullptr);
    EXPECT_THROW(Global::sharedInstance(), AssertionFailure);
    ObjectContext ctx(globalModel());
    ObjectContext::setApplicationContext(&ctx);
    EXPECT_EQ(Global::sharedInstance(), Global::sharedInstanceInContext(ctx));
    ObjectContext::setApplicationContext(nullptr);
}

TEST(Global, ShowsProjectionFromZeroMonthsOn) {
    const struct {
        std::optional<std::int64_t> months;
        bool showing;
    } cases[] = {{-1, false}, {-12, false}, {0, true}, {1, true}, {std::nullopt, true}};
    ObjectContext ctx(globalModel());
    Global* global = Global::sharedInstanceInContext(ctx);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.months ? std::to_string(*c.months) : "unset");
        global->setProjectedMonths(c.months);
        EXPECT_EQ(global->isShowingProjection(), c.showing);
    }
}

}  // namespace
