// The scheduled list's rows, its badge and the commands on its selection.
#include <gtest/gtest.h>

#include "ScheduledFixture.h"
#include "base/UserLocale.h"
#include "ledger/Account.h"
#include "scheduled/ScheduledItem.h"
#include "scheduled/ScheduledListCommands.h"
#include "scheduled/ScheduledListRow.h"

namespace {

class ScheduledListTest : public ScheduledFixture {
protected:
    ScheduledListTest() { UserLocale::set("en_US"); }
    ~ScheduledListTest() override { UserLocale::reset(); }

    ScheduledItem* named(const char* title, Date due, const char* amount) {
        ScheduledItem* made = item(due, "Month", amount);
        made->setTitle(title);
        return made;
    }

    const Date today = ymd(2026, 3, 15);
};

TEST_F(ScheduledListTest, RowsShowDueTextRedBackgroundAmountAndButton) {
    ScheduledItem* overdue = named("Rent", ymd(2026, 3, 10), "-1150");
    ScheduledItem* reminded = named("Power", ymd(2026, 3, 18), "-85");
    reminded->setReminderDays(3);
    reminded->setHasReminded(true);
    ScheduledItem* payroll = named("Payroll", ymd(2026, 3, 23), "1925.4");
    ScheduledItem* once = named("Deposit back", ymd(2026, 3, 22), "0");
    once->setRepeatType(std::nullopt);
    once->setRepeatInterval(std::nullopt);
    ScheduledItem* euros = named("Flat in Lyon", ymd(2026, 3, 16), "-400");
    euros->setAccount(foreignAccount("EUR", "1.1"));
    euros->setToAccount(checking);

    using R = ScheduledListRow;
    struct Case {
        ScheduledItem* item;
        ScheduledListRow expected;
    } const cases[] = {
        {overdue, {"Rent", true, false, "5 days ago", true, "-$1,150.00", "212121", "Pay"}},
        {reminded, {"Power", true, false, "In 3 days", true, "-$85.00", "212121", "Pay"}},
        {payroll, {"Payroll", true, false, "Mar 23", false, "$1,925.40", "237F00", "Deposit"}},
        {once, {"Deposit back", false, false, "In 7 days", false, "$0.00", "212121", "Pay"}},
        {euros, {"Flat in Lyon", true, true, "Tomorrow", false, "-€400.00", "212121", "Pay"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item->title());
        EXPECT_EQ(R::forItem(*c.item, today), c.expected);
    }
    // The list's order, with one formatter per currency giving the same figures.
    const std::vector<ScheduledItem*> listed = ScheduledItem::allByNextDueDate(ctx);
    ASSERT_EQ(listed, (std::vector<ScheduledItem*>{overdue, euros, reminded, once, payroll}));
    const std::vector<R> rows = R::rowsFor(listed, today);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[1], cases[4].expected);
    EXPECT_EQ(rows[4], cases[2].expected);
    EXPECT_EQ(R::indexOf(listed, reminded), 2u);
    EXPECT_EQ(R::indexOf(listed, nullptr), std::nullopt);
    // The badge counts the red rows.
    EXPECT_EQ(R::dueCount(ctx, today), 2);
    EXPECT_EQ(R::dueCount(ctx, ymd(2026, 3, 9)), 1);
}

TEST_F(ScheduledListTest, CommandsFollowTheSelection) {
    ScheduledItem* rent = named("Rent", ymd(2026, 3, 10), "-1150");
    ScheduledItem* payroll = named("Payroll", ymd(2026, 3, 23), "1925.4");
    using C = ScheduledListCommands;
    using Items = std::vector<ScheduledItem*>;
    struct Case {
        const char* name;
        Items selected;
        bool remove, editSkipPay;
        const char* payTitle;
    } const cases[] = {
        {"nothing", {}, false, false, "Pay..."},
        {"a bill", {rent}, true, true, "Pay..."},
        {"a deposit", {payroll}, true, true, "Deposit..."},
        {"both", {rent, payroll}, true, false, "Pay..."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(C::deleteMenuItem(c.selected).enabled, c.remove);
        EXPECT_EQ(C::editMenuItem(c.selected).enabled, c.editSkipPay);
        EXPECT_EQ(C::skipMenuItem(c.selected).enabled, c.editSkipPay);
        EXPECT_EQ(C::payMenuItem(c.selected),
                  (MenuItemState{.enabled = c.editSkipPay, .title = c.payTitle}));
    }
}

}  // namespace
