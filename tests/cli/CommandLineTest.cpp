#include <gtest/gtest.h>

#include "cli/CliError.h"
#include "cli/CommandLine.h"

namespace {

struct ParseCase {
    std::vector<std::string> arguments;
    std::optional<std::string> store;
    std::optional<std::string> today;
    std::optional<std::string> locale;
    bool json;
    std::vector<std::string> words;
};

TEST(CommandLineTest, SeparatesSharedOptionsFromCommandWords) {
    const ParseCase cases[] = {
        {{"accounts"}, {}, {}, {}, false, {"accounts"}},
        {{"--store", "/tmp/a.pennorasql", "accounts", "--json"},
         "/tmp/a.pennorasql",
         {},
         {},
         true,
         {"accounts"}},
        {{"--today=2026-01-31", "register", "Checking"},
         {},
         "2026-01-31",
         {},
         false,
         {"register", "Checking"}},
        {{"add-transaction", "Checking", "--amount", "-12.50", "--locale", "de_DE"},
         {},
         {},
         "de_DE",
         false,
         {"add-transaction", "Checking", "--amount", "-12.50"}},
        // After "--" nothing is a shared option, not even --json.
        {{"search", "--", "--json"}, {}, {}, {}, false, {"search", "--", "--json"}},
        {{"--json", "--store=x.xml", "currencies"}, "x.xml", {}, {}, true, {"currencies"}},
        // The usual options in the command's place; after a command they are its own words.
        {{"--json", "--help"}, {}, {}, {}, true, {"help"}},
        {{"-h"}, {}, {}, {}, false, {"help"}},
        {{"--version"}, {}, {}, {}, false, {"version"}},
        {{"search", "-h"}, {}, {}, {}, false, {"search", "-h"}},
    };
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(c.arguments.front());
        const CommandLine line = CommandLine::parse(c.arguments);
        EXPECT_EQ(line.global.storePath, c.store);
        EXPECT_EQ(
            line.global.today ? std::optional(line.global.today->toISOString()) : std::nullopt,
            c.today);
        EXPECT_EQ(line.global.locale, c.locale);
        EXPECT_EQ(line.global.json, c.json);
        EXPECT_EQ(line.words, c.words);
    }
}

TEST(CommandLineTest, RejectsSharedOptionsWithoutUsableValues) {
    const std::vector<std::vector<std::string>> cases = {
        {"accounts", "--store"},
        {"--today", "2026-02-30", "accounts"},
        {"--today", "31.01.2026", "accounts"},
        {"--locale"},
    };
    for (const auto& arguments : cases) {
        SCOPED_TRACE(arguments.front() + " " + arguments.back());
        try {
            (void)CommandLine::parse(arguments);
            ADD_FAILURE() << "no error";
        } catch (const CliError& error) {
            EXPECT_EQ(error.status(), ExitStatus::UsageError);
        }
    }
}

}  // namespace
