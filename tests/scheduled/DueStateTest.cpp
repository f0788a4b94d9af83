#include <gtest/gtest.h>

#include "base/Clock.h"
#include "scheduled/DueDateDescription.h"
#include "scheduled/DueState.h"

namespace {

Date ymd(int y, int m, int d) {
    return Date::dateWithYear_PN(y, m, d);
}

class DueStateTest : public ::testing::Test {
protected:
    void TearDown() override { Clock::reset(); }
};

TEST_F(DueStateTest, DueTestsAgainstToday) {
    Clock::setFixedToday(ymd(2012, 3, 10));
    DueState item{ymd(2012, 3, 10), std::nullopt, false};
    EXPECT_TRUE(item.isDue());
    EXPECT_EQ(item.daysBeforeDue(), 0);
    EXPECT_TRUE(item.shouldColorRed());

    item.nextDueDate = ymd(2012, 3, 18);
    EXPECT_FALSE(item.isDue());
    EXPECT_EQ(item.daysBeforeDue(), 8);
    EXPECT_FALSE(item.shouldColorRed());
    item.hasReminded = true;
    EXPECT_TRUE(item.shouldColorRed());

    item = DueState{ymd(2012, 3, 1), std::nullopt, false};
    EXPECT_TRUE(item.isDue());
    EXPECT_EQ(item.daysBeforeDue(), -9);
    EXPECT_EQ(DueDateDescription::descriptionOfDueDate(item.nextDueDate),
              (DueDateDescription{"days ago", 9}));
    EXPECT_TRUE(item.isDue(ymd(2012, 3, 1)));
    EXPECT_FALSE(item.isDue(ymd(2012, 2, 29)));
}

TEST_F(DueStateTest, ReminderStartsReminderDaysBeforeAndStaysOn) {
    const DueState threeDays{ymd(2012, 3, 10), 3, false};
    struct Case {
        int day;
        bool remind;
    } const cases[] = {{1, false}, {6, false}, {7, true}, {9, true}, {10, true}, {15, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.day);
        EXPECT_EQ(threeDays.shouldRemind(ymd(2012, 3, c.day)), c.remind);
    }
    const DueState sameDay{ymd(2012, 3, 10), 0, false};
    EXPECT_FALSE(sameDay.shouldRemind(ymd(2012, 3, 9)));
    EXPECT_TRUE(sameDay.shouldRemind(ymd(2012, 3, 10)));
    const DueState huge{ymd(2012, 3, 10), 2'000'000'000, false};
    EXPECT_TRUE(huge.shouldRemind(ymd(1970, 1, 1)));
    const DueState none{ymd(2012, 3, 10), std::nullopt, false};
    EXPECT_FALSE(none.shouldRemind(ymd(2012, 3, 10)));
    EXPECT_FALSE(none.shouldRemind(ymd(2012, 4, 10)));

    Clock::setFixedToday(ymd(2012, 3, 7));
    EXPECT_TRUE(threeDays.shouldRemind());
    Clock::setFixedToday(ymd(2012, 3, 6));
    EXPECT_FALSE(threeDays.shouldRemind());
}

}  // namespace
