#include <gtest/gtest.h>

#include <sstream>

#include "CliFixture.h"
#include "cli/CliApplication.h"
#include "cli/CliProgress.h"

namespace {

using namespace std::chrono_literals;
using TimePoint = std::chrono::steady_clock::time_point;

// A clock that moves on by `step` each time it is read.
CliProgress::Clock steppingClock(std::chrono::milliseconds step) {
    auto now = std::make_shared<TimePoint>();
    return [now, step] { return *now += step; };
}

TEST(CliProgressTest, OverwritesOneLineAtMostTenTimesASecondAndClearsIt) {
    TimePoint now;
    std::ostringstream err;
    {
        CliProgress progress(err, true, [&now] { return now; });
        progress.show("Reading");
        now += 50ms;
        progress.update("Counting 1");  // too soon after the last text
        now += 60ms;
        progress.update("Counting 2");
        progress.show("Done");  // a new stage shows at once, blanking the longer text
        progress.clear();
        progress.clear();  // nothing left to clear
        progress.show("Again");
    }  // the destructor clears what is shown
    EXPECT_EQ(err.str(), "\rReading\rCounting 2\rDone      \rDone\r    \r\rAgain\r     \r");
}

TEST(CliProgressTest, WritesNothingWhenNotATerminal) {
    std::ostringstream err;
    {
        CliProgress progress(err, false, steppingClock(1s));
        progress.show("Reading");
        progress.update("Counting");
        progress.clear();
    }
    EXPECT_EQ(err.str(), "");
    CliProgress silent;
    silent.show("Reading");
}

class CliImportProgressTest : public CliFixture {
protected:
    struct Output {
        int status = 0;
        std::string out;
        std::string err;
    };

    Output runInProcess(std::vector<std::string> arguments, bool terminal,
                        CliProgress::Clock clock) const {
        std::vector<std::string> all = {"--store", store, "--today", today, "--locale", "en_US"};
        all.insert(all.end(), arguments.begin(), arguments.end());
        CliApplication application;
        application.setErrorIsTerminal(terminal, std::move(clock));
        std::ostringstream out;
        std::ostringstream err;
        Output output;
        output.status = application.run(all, out, err);
        output.out = out.str();
        output.err = err.str();
        return output;
    }

    // A bank QIF file of `count` entries of different amounts.
    std::string statement(const std::string& name, int count) const {
        std::string text = "!Type:Bank\n";
        for (int i = 1; i <= count; ++i) {
            text +=
                "D03/25/2024\nT-" + std::to_string(i) + ".00\nPShop " + std::to_string(i) + "\n^\n";
        }
        return writeFile(name, text);
    }
};

TEST_F(CliImportProgressTest, TerminalSeesTheStagesOnOneLineThenTheAnswer) {
    json({"add-account", "Checking"});
    const std::string file = statement("march.qif", 3);
    const Output shown =
        runInProcess({"import", "Checking", file, "--json"}, true, [] { return TimePoint(); });
    ASSERT_EQ(shown.status, 0) << shown.err;
    EXPECT_EQ(shown.err,
              "\rReading \u201cmarch.qif\u201d\u2026"
              "\rImporting 0 of 3 transactions\u2026"
              "\rSaving\u2026                       \rSaving\u2026"
              "\r       \r");
    EXPECT_EQ(nlohmann::json::parse(shown.out).at("new"), 3);

    // Not a terminal: the same import (all duplicates now) writes nothing on standard error.
    const Output quiet =
        runInProcess({"import", "Checking", file, "--json"}, false, [] { return TimePoint(); });
    ASSERT_EQ(quiet.status, 0);
    EXPECT_EQ(quiet.err, "");
    EXPECT_EQ(nlohmann::json::parse(quiet.out).at("duplicate"), 3);
    EXPECT_EQ(json({"register", "Checking"}).at("transactions").size(), 3u);
}

TEST_F(CliImportProgressTest, CountsGrowStepByStepWhenTimePasses) {
    json({"add-account", "Checking"});
    const Output shown =
        runInProcess({"import", "Checking", statement("big.qif", 4500)}, true, steppingClock(1s));
    ASSERT_EQ(shown.status, 0) << shown.err;
    std::vector<long> counts;
    std::istringstream lines(shown.err);
    std::string line;
    while (std::getline(lines, line, '\r')) {
        long done = 0;
        if (std::sscanf(line.c_str(), "Importing %ld of 4500 transactions", &done) == 1) {
            counts.push_back(done);
        }
    }
    ASSERT_GE(counts.size(), 2u) << shown.err;
    EXPECT_EQ(counts.front(), 0);
    EXPECT_TRUE(std::is_sorted(counts.begin(), counts.end()));
    EXPECT_LT(counts.back(), 4500);
    EXPECT_GT(counts.back(), 0);
    EXPECT_NE(shown.err.find("\rSaving\u2026"), std::string::npos);
    EXPECT_NE(shown.out.find("4500 transactions were imported"), std::string::npos) << shown.out;
}

TEST_F(CliImportProgressTest, FailureClearsTheLineBeforeTheError) {
    json({"add-account", "Checking"});
    const Output failed =
        runInProcess({"import", "Checking", writeFile("bad.ofx", "<OFX><nothing")}, true,
                     [] { return TimePoint(); });
    EXPECT_EQ(failed.status, 1);
    const std::string reading = "\rReading \u201cbad.ofx\u201d\u2026";
    EXPECT_EQ(failed.err.substr(0, reading.size()), reading);
    EXPECT_EQ(failed.err.substr(reading.size()),
              "\r                  \rpennora-cli: The selected file could not be imported.\n" +
                  failed.err.substr(failed.err.find("Make sure")))
        << failed.err;
}

}  // namespace
