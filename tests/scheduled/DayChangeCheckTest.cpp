#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "ScheduledTestSupport.h"
#include "base/Log.h"
#include "base/NotificationCenter.h"
#include "scheduled/DayChangeCheck.h"

namespace {

// Records every step, log line and categories notification in one sequence.
class RecordingActions final : public DayChangeActions {
public:
    RecordingActions() {
        setLogSink([this](std::string_view line) { steps.push_back("log " + std::string(line)); });
        m_observer = NotificationCenter::defaultCenter().observe(
            kPNCategoriesChanged, [this](const std::string&) { steps.push_back("notify"); });
    }
    ~RecordingActions() override { setLogSink(nullptr); }

    bool needsToUpdateProjection() override {
        steps.push_back("needs?");
        return projectionNeedsUpdate;
    }
    void updateProjections() override { steps.push_back("update"); }
    void save() override { steps.push_back("save"); }
    void updateAllViews() override { steps.push_back("views"); }
    void showReminders() override {
        steps.push_back("reminders");
        if (remindersFail) {
            throw std::runtime_error("no window");
        }
    }
    bool processAutomaticPayments() override {
        steps.push_back("pay");
        return somethingPaid;
    }

    bool projectionNeedsUpdate = false;
    bool somethingPaid = false;
    bool remindersFail = false;
    std::vector<std::string> steps;

private:
    NotificationObserver m_observer;
};

TEST(DayChangeCheck, RunsEachStepInOrderWithItsSavesAndNotifications) {
    struct Case {
        const char* name;
        bool projection;
        bool paid;
        std::vector<std::string> steps;
    };
    const std::vector<Case> cases = {
        {"quiet day", false, false, {"needs?", "reminders", "pay"}},
        {"new month",
         true,
         false,
         {"needs?", "log Updating projection...", "save", "update", "notify", "views", "save",
          "log Done.", "reminders", "pay"}},
        {"payments made", false, true, {"needs?", "reminders", "pay", "notify", "save", "views"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingActions actions;
        actions.projectionNeedsUpdate = c.projection;
        actions.somethingPaid = c.paid;
        DayChangeCheck check;
        EXPECT_TRUE(check.applicationDidBecomeActive(ymd(2011, 4, 1), actions));
        EXPECT_EQ(actions.steps, c.steps);
        EXPECT_EQ(check.currentDate(), ymd(2011, 4, 1));
        // Once per calendar day: the same day does nothing, the next one runs again.
        actions.steps.clear();
        EXPECT_FALSE(check.applicationDidBecomeActive(ymd(2011, 4, 1), actions));
        EXPECT_TRUE(actions.steps.empty());
        EXPECT_TRUE(check.applicationDidBecomeActive(ymd(2011, 4, 2), actions));
        EXPECT_EQ(actions.steps, c.steps);
    }
}

// A step that fails leaves the day unchecked, so the next activation tries again.
TEST(DayChangeCheck, AFailedRunIsRetried) {
    RecordingActions failing;
    failing.remindersFail = true;
    DayChangeCheck check;
    EXPECT_THROW(check.applicationDidBecomeActive(ymd(2011, 4, 1), failing), std::runtime_error);
    EXPECT_FALSE(check.currentDate().has_value());
    failing.remindersFail = false;
    EXPECT_TRUE(check.applicationDidBecomeActive(ymd(2011, 4, 1), failing));
}

}  // namespace
