#pragma once

#include <map>
#include <optional>
#include <string>

#include "CurrenciesFile.h"
#include "base/Decimal.h"

// The US dollar is the base of the currencies file and is built in rather than listed.
inline constexpr const char* kUSDollarCode = "USD";
inline constexpr const char* kUSDollarName = "US Dollars";

// The arithmetic of currencies that needs no store: conversion between rates, the rates of
// every currency against a home currency, and the names of codes. The Currency entity forwards
// its class operations here.
class CurrencyExchange final {
public:
    // `amount` given in a currency with rate `fromRate` expressed in one with rate `toRate`
    // (rates are units per unit of the home currency; nothing stands for the home currency).
    // Converted results are rounded to 2 places, a half away from zero; the amount comes back
    // unchanged, unrounded, between two equal rates or from home to home. Throws DecimalError on
    // overflow and whenever a rate involved is zero.
    [[nodiscard]] static Decimal exchange(const Decimal& amount,
                                          const std::optional<Decimal>& fromRate,
                                          const std::optional<Decimal>& toRate);

    // The rate of every currency other than `homeCode` against it, from the currencies file at
    // `path`: the file's own rates when the home is "USD"; otherwise "USD" and every listed code
    // except the home, at 10 places. Throws AssertionFailure "Invalid home currency code." when
    // the home is neither "USD" nor listed, and CurrenciesFile::Error for a broken file.
    [[nodiscard]] static std::map<std::string, Decimal> generateExchangeRatesBasedOn(
        const std::string& homeCode, const std::string& path);
    // The same over entries already read from the file, for callers that need the file more
    // than once in one operation.
    [[nodiscard]] static std::map<std::string, Decimal> generateExchangeRatesBasedOn(
        const std::string& homeCode, const std::vector<CurrenciesFile::Entry>& entries);

    // The display name of `code`: "US Dollars" for "USD" without reading the file, otherwise
    // the name listed in the file. Throws AssertionFailure "Invalid currency code specified, X"
    // for a code the file does not list.
    [[nodiscard]] static std::string nameForCurrencyCode(const std::string& code,
                                                         const std::string& path);
    [[nodiscard]] static std::string nameForCurrencyCode(
        const std::string& code, const std::vector<CurrenciesFile::Entry>& entries);
};
