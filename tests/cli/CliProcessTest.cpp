#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "ProcessRunner.h"

namespace {

ProcessResult cli(const std::vector<std::string>& arguments) {
    return runProcess(PENNORA_CLI_PATH, arguments);
}

TEST(CliProcessTest, AnswersVersionAsTextAndJson) {
    const ProcessResult text = cli({"--version"});
    EXPECT_EQ(text.exitStatus, 0);
    EXPECT_EQ(text.out, "version: 0.1.0\n");
    EXPECT_EQ(text.err, "");

    const ProcessResult json = cli({"version", "--json"});
    ASSERT_EQ(json.exitStatus, 0);
    EXPECT_EQ(nlohmann::json::parse(json.out).at("version"), "0.1.0");
}

TEST(CliProcessTest, UsageErrorsExitWithTwoAndExplainOnStandardError) {
    struct Case {
        std::vector<std::string> arguments;
        std::string errorContains;
    };
    const Case cases[] = {
        {{}, "no command given"},
        {{"frobnicate"}, "unknown command \"frobnicate\""},
        {{"--today", "yesterday", "version"}, "--today expects a date"},
        {{"version", "--colour"}, "unknown option --colour"},
        {{"version", "extra"}, "wrong number of arguments"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.errorContains);
        const ProcessResult result = cli(c.arguments);
        EXPECT_EQ(result.exitStatus, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find(c.errorContains), std::string::npos) << result.err;
    }
}

TEST(CliProcessTest, HelpListsTheCommands) {
    const ProcessResult result = cli({"help"});
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_NE(result.out.find("usage: pennora-cli"), std::string::npos);
    EXPECT_NE(result.out.find("  version\n"), std::string::npos);
}

// --help and -h are what a new user tries first: the usage on standard output, status 0.
TEST(CliProcessTest, HelpOptionsPrintTheUsage) {
    const ProcessResult help = cli({"help"});
    ASSERT_EQ(help.exitStatus, 0);
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"--help"}, {"-h"}, {"--today", "2024-03-10", "--help"}}) {
        SCOPED_TRACE(arguments.back());
        const ProcessResult result = cli(arguments);
        EXPECT_EQ(result.exitStatus, 0);
        EXPECT_EQ(result.out, help.out);
        EXPECT_EQ(result.err, "");
    }
}

}  // namespace
