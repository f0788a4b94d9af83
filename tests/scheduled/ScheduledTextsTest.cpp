// Due dates and reminders of scheduled items, and the texts shown for them.
#include <gtest/gtest.h>

#include "ScheduledTestSupport.h"
#include "base/Clock.h"
#include "base/UserLocale.h"
#include "scheduled/DueDateDescription.h"
#include "scheduled/DueDateTexts.h"
#include "scheduled/DueState.h"
#include "scheduled/PaymentURL.h"
#include "scheduled/ReminderAlert.h"
#include "scheduled/RepeatRuleMenus.h"

namespace {

class ScheduledTextsTest : public ::testing::Test {
protected:
    void SetUp() override { UserLocale::set("en_US"); }
    void TearDown() override {
        UserLocale::reset();
        Clock::reset();
    }
};

TEST_F(ScheduledTextsTest, DueTestsAgainstToday) {
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

TEST_F(ScheduledTextsTest, ReminderStartsReminderDaysBeforeAndStaysOn) {
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

TEST_F(ScheduledTextsTest, OrdinalNumbers) {
    const std::pair<int, const char*> cases[] = {
        {1, "1st"},   {2, "2nd"},   {3, "3rd"},   {4, "4th"},   {9, "9th"},   {10, "10th"},
        {11, "11th"}, {12, "12th"}, {13, "13th"}, {14, "14th"}, {20, "20th"}, {21, "21st"},
        {22, "22nd"}, {23, "23rd"}, {24, "24th"}, {30, "30th"}, {31, "31st"},
    };
    for (const auto& [n, text] : cases) {
        SCOPED_TRACE(n);
        EXPECT_EQ(ordinalNumber(n), text);
    }
}

TEST_F(ScheduledTextsTest, RulePopUps) {
    const std::vector<RulePopUpItem> monthly = monthlyRulePopUpItems();
    ASSERT_EQ(monthly.size(), 33u);
    EXPECT_EQ(monthly[0], (RulePopUpItem{"last day", -1, false}));
    EXPECT_TRUE(monthly[1].isSeparator);
    EXPECT_EQ(monthly[2], (RulePopUpItem{"1st day", 1, false}));
    EXPECT_EQ(monthly[32], (RulePopUpItem{"31st day", 31, false}));

    const std::vector<RulePopUpItem> weekly = weeklyRulePopUpItems();
    ASSERT_EQ(weekly.size(), 7u);
    EXPECT_EQ(weekly[0], (RulePopUpItem{"Sunday", 1, false}));
    EXPECT_EQ(weekly[6], (RulePopUpItem{"Saturday", 7, false}));
    UserLocale::set("de_DE");
    EXPECT_EQ(weeklyRulePopUpItems()[0].title, "Sonntag");
}

TEST_F(ScheduledTextsTest, DueDateDescriptionCellAndReminderPhrase) {
    const Date today = ymd(2012, 3, 5);
    struct Case {
        int daysAhead;
        DueDateDescription description;
        const char* cell;
        const char* phrase;
    } const cases[] = {
        {-30, {"days ago", 30}, "30 days ago", "was due 30 days ago"},
        {-2, {"days ago", 2}, "2 days ago", "was due 2 days ago"},
        {-1, {"yesterday", {}}, "Yesterday", "was due yesterday"},
        {0, {"today", {}}, "Due today", "is due today"},
        {1, {"tomorrow", {}}, "Tomorrow", "is due tomorrow"},
        {2, {"in days", 2}, "In 2 days", "is due in 2 days"},
        {7, {"in days", 7}, "In 7 days", "is due in 7 days"},
        {8, {"date", {}}, "Mar 13", "is due on March 13"},
        {300, {"date", {}}, "Dec 30", "is due on December 30"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.daysAhead);
        const Date due = today.daysLater_PN(c.daysAhead);
        EXPECT_EQ(DueDateDescription::descriptionOfDueDate(due, today), c.description);
        EXPECT_EQ(dueDateCellText(due, today), c.cell);
        EXPECT_EQ(reminderPhrase(due, today), c.phrase);
    }
    // Across the leap day: 28 February to 1 March 2012 is two days.
    EXPECT_EQ(DueDateDescription::descriptionOfDueDate(ymd(2012, 2, 28), ymd(2012, 3, 1)),
              (DueDateDescription{"days ago", 2}));
}

TEST_F(ScheduledTextsTest, ReminderAlertTexts) {
    const Date today = ymd(2012, 3, 5);
    EXPECT_FALSE(ReminderAlert::forItems({}, today).has_value());

    auto one = ReminderAlert::forItems({{"Rent", today}}, today);
    ASSERT_TRUE(one.has_value());
    EXPECT_EQ(one->messageText, "1 scheduled transaction is due.");
    EXPECT_EQ(one->informativeText, "\"Rent\" is due today.");
    EXPECT_EQ(one->defaultButton, "OK");
    EXPECT_EQ(one->alternateButton, "Show in Scheduled");

    auto many = ReminderAlert::forItems({{"1234567890123456789012345", ymd(2012, 3, 4)},
                                         {"12345678901234567890123456", ymd(2012, 3, 20)},
                                         {"100% %@ %d off", ymd(2012, 3, 8)}},
                                        today);
    ASSERT_TRUE(many.has_value());
    EXPECT_EQ(many->messageText, "3 scheduled transactions are due.");
    EXPECT_EQ(many->informativeText,
              "\"1234567890123456789012345\" was due yesterday.\n"
              "\"1234567890123456789012...\" is due on March 20.\n"
              "\"100% %@ %d off\" is due in 3 days.");
}

TEST_F(ScheduledTextsTest, LongTitlesAreCutByCharacters) {
    auto times = [](int n, const std::string& piece) {
        std::string text;
        for (int i = 0; i < n; ++i) {
            text += piece;
        }
        return text;
    };
    EXPECT_EQ(ReminderAlert::shortenedTitle(""), "");
    EXPECT_EQ(ReminderAlert::shortenedTitle(times(40, "a")), times(22, "a") + "...");
    EXPECT_EQ(ReminderAlert::shortenedTitle(times(25, "\xC3\xA9")), times(25, "\xC3\xA9"));  // é
    EXPECT_EQ(ReminderAlert::shortenedTitle(times(26, "\xC3\xA9")), times(22, "\xC3\xA9") + "...");
}

TEST_F(ScheduledTextsTest, ReminderAlertButtons) {
    using A = ReminderAlert;
    EXPECT_EQ(A::outcomeOfButton(A::Button::OK, 1), A::Outcome::Nothing);
    EXPECT_EQ(A::outcomeOfButton(A::Button::ShowInScheduled, 1), A::Outcome::RevealItem);
    EXPECT_EQ(A::outcomeOfButton(A::Button::ShowInScheduled, 2), A::Outcome::SwitchToScheduled);
}

TEST_F(ScheduledTextsTest, PaymentAddressesLoseSchemeAndTrailingSlashes) {
    const std::pair<const char*, const char*> cases[] = {
        {"https://bank.example.com/pay//", "bank.example.com/pay"},
        {"http://bank.example.com", "bank.example.com"},
        {"bank.example.com/", "bank.example.com"},
        {"bank.example.com/a/b", "bank.example.com/a/b"},
        {"ftp://bank.example.com", "ftp://bank.example.com"},
        {"https://", ""},
        {"", ""},
        {"https://b\xC3\xA4nk.example/", "b\xC3\xA4nk.example"},
    };
    for (const auto& [typed, stored] : cases) {
        SCOPED_TRACE(typed);
        EXPECT_EQ(cleanupURL(typed), stored);
    }
}

}  // namespace
