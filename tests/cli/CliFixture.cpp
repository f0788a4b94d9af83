#include "CliFixture.h"

#include <unistd.h>

#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

void CliFixture::SetUp() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    folder = fs::temp_directory_path() / ("pennora-cli-" + std::to_string(::getpid()) + "-" +
                                          info->test_suite_name() + "-" + info->name());
    fs::remove_all(folder);
    fs::create_directories(folder);
    store = (folder / "Ledger.pennorasql").string();
}

void CliFixture::TearDown() {
    fs::remove_all(folder);
}

ProcessResult CliFixture::run(std::vector<std::string> arguments) const {
    std::vector<std::string> all = {"--store", store, "--today", today, "--locale", "en_US"};
    all.insert(all.end(), arguments.begin(), arguments.end());
    return runProcess(PENNORA_CLI_PATH, all);
}

nlohmann::json CliFixture::json(std::vector<std::string> arguments) const {
    arguments.push_back("--json");
    const ProcessResult result = run(arguments);
    EXPECT_EQ(result.exitStatus, 0) << arguments.front() << ": " << result.err;
    return nlohmann::json::parse(result.out, nullptr, false);
}

void CliFixture::expectRefused(const std::vector<std::string>& arguments, int status,
                               const std::string& error) const {
    SCOPED_TRACE(arguments.front() + ": " + error);
    const std::string before = storeBytes();
    const ProcessResult result = run(arguments);
    EXPECT_EQ(result.exitStatus, status) << result.out;
    EXPECT_NE(result.err.find(error), std::string::npos) << result.err;
    EXPECT_TRUE(storeBytes() == before) << "the store file changed";
}

std::string CliFixture::storeBytes() const {
    std::ifstream in(store, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string CliFixture::writeFile(const std::string& name, const std::string& text) const {
    const fs::path path = folder / name;
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
}
