#include <gtest/gtest.h>

#include "cli/CliError.h"
#include "cli/CommandInvocation.h"

namespace {

CommandDefinition addTransactionCommand() {
    return {.name = "add-transaction",
            .positionals = {"ACCOUNT"},
            .valueOptions = {"--amount", "--date", "--split", "--check"},
            .flags = {"--cleared"},
            .run = {}};
}

ExitStatus statusOf(const CommandDefinition& definition,
                    const std::vector<std::string>& arguments) {
    try {
        CommandInvocation call(definition, GlobalOptions{}, arguments);
        return ExitStatus::Success;
    } catch (const CliError& error) {
        return error.status();
    }
}

TEST(CommandInvocationTest, SplitsPositionalsOptionsAndFlags) {
    const CommandDefinition definition = addTransactionCommand();
    const CommandInvocation call(definition, GlobalOptions{},
                                 {"Checking", "--amount=-12.50", "--split", "Food=-10", "--cleared",
                                  "--split", "Fun=-2.50", "--date", "2026-03-01"});
    EXPECT_EQ(call.requiredPositional(0), "Checking");
    EXPECT_EQ(call.positional(1), std::nullopt);
    EXPECT_EQ(call.decimalOption("--amount"), Decimal::fromString("-12.50"));
    EXPECT_EQ(call.options("--split"), (std::vector<std::string>{"Food=-10", "Fun=-2.50"}));
    EXPECT_TRUE(call.flag("--cleared"));
    EXPECT_EQ(call.dateOption("--date"), Date::dateWithYear_PN(2026, 3, 1));
    EXPECT_EQ(call.option("--check"), std::nullopt);
}

TEST(CommandInvocationTest, LaterValueOfAnOptionWins) {
    const CommandDefinition definition = addTransactionCommand();
    const CommandInvocation call(definition, GlobalOptions{},
                                 {"Checking", "--check", "100", "--check", "101"});
    EXPECT_EQ(call.integerOption("--check"), 101);
}

TEST(CommandInvocationTest, DoubleDashLetsAPositionalStartWithDashes) {
    const CommandDefinition definition = addTransactionCommand();
    const CommandInvocation call(definition, GlobalOptions{},
                                 {"--amount", "5", "--", "--odd name"});
    EXPECT_EQ(call.requiredPositional(0), "--odd name");
}

TEST(CommandInvocationTest, RefusesMalformedArgumentsAsUsageErrors) {
    const CommandDefinition definition = addTransactionCommand();
    const std::vector<std::vector<std::string>> cases = {
        {},                               // missing ACCOUNT
        {"Checking", "Savings"},          // one positional too many
        {"Checking", "--colour", "red"},  // unknown option
        {"Checking", "--amount"},         // option without value
        {"Checking", "--cleared=yes"},    // a flag takes no value
    };
    for (const auto& arguments : cases) {
        SCOPED_TRACE(testing::PrintToString(arguments));
        EXPECT_EQ(statusOf(definition, arguments), ExitStatus::UsageError);
    }
}

TEST(CommandInvocationTest, ReadsOnlyPlainAmountsDatesAndNumbers) {
    struct Case {
        std::string amount;
        bool accepted;
    };
    const Case amounts[] = {{"-1234.50", true}, {"+3", true},   {"0.005", true},
                            {".5", true},       {"1e3", false}, {"12,50", false},
                            {"", false},        {"-", false},   {"1.2.3", false},
                            {"$5", false},      {"NaN", false}, {"1 000", false}};
    for (const Case& c : amounts) {
        SCOPED_TRACE(c.amount);
        bool accepted = true;
        try {
            (void)CommandInvocation::parseDecimal("--amount", c.amount);
        } catch (const CliError& error) {
            accepted = false;
            EXPECT_EQ(error.status(), ExitStatus::UsageError);
        }
        EXPECT_EQ(accepted, c.accepted);
    }
    EXPECT_THROW((void)CommandInvocation::parseDate("--date", "2026-13-01"), CliError);
    EXPECT_THROW((void)CommandInvocation::parseDate("--date", "2026-1-1x"), CliError);
    EXPECT_THROW((void)CommandInvocation::parseInteger("--index", "3x"), CliError);
    EXPECT_THROW((void)CommandInvocation::parseInteger("--index", ""), CliError);
    EXPECT_EQ(CommandInvocation::parseInteger("--index", "-2"), -2);
}

TEST(CommandInvocationTest, UsageLineShowsOptionalPositionalsInBrackets) {
    const CommandDefinition definition{.name = "scheduled upcoming",
                                       .positionals = {"TITLE", "LIMIT"},
                                       .optionalPositionals = 1,
                                       .valueOptions = {"--until"},
                                       .flags = {"--all"},
                                       .run = {}};
    EXPECT_EQ(definition.usage(), "scheduled upcoming TITLE [LIMIT] [--until VALUE] [--all]");
}

}  // namespace
