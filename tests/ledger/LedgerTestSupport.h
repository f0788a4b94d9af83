#pragma once

// Short ways to name days and amounts, catch internal errors and write currencies files in the
// ledger tests.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "base/AssertionFailure.h"
#include "base/Date.h"
#include "base/Decimal.h"

inline Date ymd(int y, int m, int d) {
    return Date::dateWithYear_PN(y, m, d);
}

inline Decimal dec(const char* text) {
    return Decimal::fromString(text);
}

// Per dollar: EUR 0.8 "Euros", JPY 110 "Japanese Yen", GBP 0.5 "British Pounds".
inline const std::string kEurJpyGbp =
    std::string(PENNORA_TEST_DATA_DIR) + "/ledger/EurJpyGbpCurrencies.plist";

// The message of the AssertionFailure that `operation` throws.
template <typename F>
std::string assertionMessage(F operation) {
    try {
        operation();
    } catch (const AssertionFailure& failure) {
        return failure.message();
    }
    return "(no assertion failure)";
}

// One entry of a currencies file; `rate` is the whole value element, e.g. "<real>0.9</real>".
inline std::string currencyEntry(const std::string& code, const std::string& name,
                                 const std::string& rate) {
    return "<dict><key>code</key><string>" + code + "</string><key>name</key><string>" + name +
           "</string><key>rate</key>" + rate + "</dict>";
}

inline std::string currenciesPlist(const std::string& entries) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><array>" + entries +
           "</array></plist>\n";
}

// Writes `content` to `name` under the test's temporary folder and returns the path.
inline std::string writeTemporaryFile(const std::string& name, const std::string& content) {
    const std::filesystem::path path = std::filesystem::path(testing::TempDir()) / name;
    std::ofstream(path, std::ios::binary) << content;
    return path.string();
}
