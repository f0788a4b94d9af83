#include <gtest/gtest.h>

#include <string>

#include "TestEntities.h"
#include "store/ObjectContext.h"

// A store's reservation is one block whose pages are mapped by another thread while the
// objects are made in it: that thread must neither disturb what the objects hold nor outlive
// the block.
TEST(ObjectArena, ObjectsLoadedWhileTheirBlockIsMappedKeepTheirValues) {
    const EntityDescription& track = Track::entityDescription();
    const AttributeDescription& number = *track.attributeNamed("number");
    const AttributeDescription& title = *track.attributeNamed("title");
    // Large enough for a block of its own, several times the step the pages are mapped in.
    constexpr std::size_t kCount = 200'000;
    for (const bool leftToProcessExit : {false, true}) {
        SCOPED_TRACE(leftToProcessExit ? "left to process exit" : "destroyed");
        ObjectContext context(testModel());
        if (leftToProcessExit) {
            context.leaveObjectsToProcessExit();
        }
        context.reserveForLoading({{&track, kCount}}, kCount);
        for (ObjectID id = 1; id <= kCount; ++id) {
            ManagedObject& object = context.loadObject(track, id);
            context.loadAttribute(object, number, static_cast<std::int64_t>(id));
            context.loadAttribute(object, title, std::string(id % 7 == 0 ? 40 : 3, 'a'));
        }
        std::size_t wrong = 0;
        context.forEachObject(track, [&](ManagedObject& object) {
            const auto& t = static_cast<const Track&>(object);
            const std::size_t length = t.objectID() % 7 == 0 ? 40 : 3;
            wrong += t.number() != static_cast<std::int64_t>(t.objectID()) ||
                     t.title() != std::string(length, 'a') || t.released() || t.rating() ||
                     t.note() || !t.beats().empty() || t.album() != nullptr;
            return true;
        });
        EXPECT_EQ(wrong, 0U);
        EXPECT_EQ(context.countObjects(track), kCount);
    }
}
