#include "CliFixture.h"

namespace {

using CliScheduledTest = CliFixture;

TEST_F(CliScheduledTest, EditorOptionsMakeItemsThatListPayAndEnd) {
    json({"add-account", "Checking"});
    json({"add-account", "Savings"});
    // A positive transfer is stored as a payment out of the other account.
    const nlohmann::json saving =
        json({"scheduled",    "add",      "--title",    "Save",    "--amount", "120",
              "--account",    "Checking", "--to",       "Savings", "--due",    "2024-03-12",
              "--repeat",     "week",     "--on",       "monday",  "--on",     "friday",
              "--ends-after", "3",        "--reminder", "5"});
    const nlohmann::json item = saving.at("item");
    EXPECT_EQ(item.at("account"), "Savings");
    EXPECT_EQ(item.at("toAccount"), "Checking");
    EXPECT_EQ(item.at("amount"), "-120.00");
    EXPECT_EQ(item.at("nextDueDate"), "2024-03-15");  // the first Friday on or after the 12th
    EXPECT_EQ(item.at("repeatRules"), nlohmann::json({"monday", "friday"}));
    EXPECT_EQ(item.at("dueText"), "In 5 days");
    EXPECT_EQ(json({"scheduled", "upcoming", "Save", "--until", "2024-12-31"}).at("dates"),
              nlohmann::json({"2024-03-15", "2024-03-18", "2024-03-22"}));

    const nlohmann::json edited =
        json({"scheduled", "edit", "save", "--title", "Rent", "--repeat", "month", "--due",
              "2024-03-31", "--on", "last", "--ends-after", "never", "--reminder", "none"});
    EXPECT_EQ(edited.at("item").at("repeatRules"), nlohmann::json({"last"}));
    EXPECT_TRUE(edited.at("item").at("endsAfter").is_null());

    json({"scheduled", "add", "--title", "Once", "--amount", "-9", "--due", "2024-03-08",
          "--repeat", "none"});
    const nlohmann::json listed = json({"scheduled", "list"}).at("items");
    ASSERT_EQ(listed.size(), 2u);
    EXPECT_EQ(listed[0].at("title"), "Once");
    EXPECT_EQ(listed[0].at("dueText"), "2 days ago");
    EXPECT_EQ(listed[0].at("account"), "Checking");  // the first account by name
    EXPECT_EQ(listed[0].at("shouldColorRed"), true);
    json({"scheduled", "pay", "Once"});
    json({"scheduled", "delete", "Rent"});
    EXPECT_TRUE(json({"scheduled", "list"}).at("items").empty());
    EXPECT_EQ(json({"register", "Checking"}).at("transactions").size(), 1u);
}

TEST_F(CliScheduledTest, DayCheckRemindsAndPaysAutomaticItems) {
    json({"add-account", "Checking"});
    json({"scheduled", "add", "--title", "Phone", "--amount", "-30", "--due", "2024-03-11",
          "--reminder", "3"});
    json({"scheduled", "add", "--title", "Gym", "--amount", "-20", "--due", "2024-03-01",
          "--auto"});  // paid when the editor closes: 1 March and nothing after yet
    json({"projection", "on", "1"});
    const nlohmann::json first = json({"day-check"});
    EXPECT_EQ(first.at("paymentsMade"), 0);
    ASSERT_TRUE(first.at("reminder").is_object());
    EXPECT_EQ(first.at("reminder").at("message"), "1 scheduled transaction is due.");
    EXPECT_EQ(first.at("reminder").at("items"), nlohmann::json({"Phone"}));
    // Reminded once per due date.
    EXPECT_TRUE(json({"day-check"}).at("reminder").is_null());

    today = "2024-04-02";
    const nlohmann::json later = json({"day-check"});
    EXPECT_EQ(later.at("projectionUpdated"), true);
    EXPECT_EQ(later.at("paymentsMade"), 1);  // Gym on 1 April
}

TEST_F(CliScheduledTest, EditorRefusalsSaveNothing) {
    json({"accounts"});
    expectRefused({"scheduled", "add", "--title", "X"}, 1, "needs an account");
    json({"add-account", "Checking"});
    json({"scheduled", "add", "--title", "Bill", "--amount", "-5"});
    expectRefused({"scheduled", "add", "--repeat", "week", "--on", "13"}, 2, "weekday name");
    expectRefused({"scheduled", "add", "--repeat", "none", "--interval", "2"}, 2,
                  "need an item that repeats");
    expectRefused({"scheduled", "add", "--auto", "--reminder", "2"}, 2, "no reminder");
    expectRefused({"scheduled", "add", "--url", "a.example", "--instructions", "b"}, 2, "not both");
    expectRefused({"scheduled", "edit", "Nope", "--amount", "1"}, 1,
                  "No scheduled transaction is named \"Nope\".");
    expectRefused({"scheduled", "upcoming", "Bill"}, 2, "--until");
}

// Paying with the proposed values dates the payment today, as the pay sheet does, whatever
// the due date; --date still chooses another day.
TEST_F(CliScheduledTest, PayingWithoutADateDatesThePaymentToday) {
    json({"add-account", "Checking"});
    json({"scheduled", "add", "--title", "Power", "--amount", "-80", "--due", "2024-03-04",
          "--repeat", "month"});
    json({"scheduled", "add", "--title", "Water", "--amount", "-20", "--due", "2024-03-20",
          "--repeat", "month"});
    const nlohmann::json paid = json({"scheduled", "pay", "Power"});
    EXPECT_EQ(paid.at("item").at("nextDueDate"), "2024-04-04");
    json({"scheduled", "pay", "Water", "--date", "2024-03-08"});
    const nlohmann::json rows = json({"register", "Checking"}).at("transactions");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].at("title"), "Power");
    EXPECT_EQ(rows[0].at("date"), today);
    EXPECT_EQ(rows[0].at("amount"), "-80.00");
    EXPECT_EQ(rows[1].at("title"), "Water");
    EXPECT_EQ(rows[1].at("date"), "2024-03-08");
}

}  // namespace
