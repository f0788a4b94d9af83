#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "ProcessRunner.h"

// Runs pennora-cli on a store in a fresh temporary folder, with today and the locale fixed.
class CliFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    ProcessResult run(std::vector<std::string> arguments) const;
    // Runs with --json; the run must succeed.
    nlohmann::json json(std::vector<std::string> arguments) const;
    // Runs expecting exit status `status`, an error text containing `error` and an untouched
    // store file.
    void expectRefused(const std::vector<std::string>& arguments, int status,
                       const std::string& error) const;
    std::string storeBytes() const;
    // Writes `text` to a file in the test folder and returns its path.
    std::string writeFile(const std::string& name, const std::string& text) const;

    std::filesystem::path folder;
    std::string store;
    std::string today = "2024-03-10";
};
