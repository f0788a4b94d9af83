#include "CurrencyExchange.h"

#include "base/AssertionFailure.h"

namespace {

constexpr int kAmountScale = 2;
constexpr int kRateScale = 10;

// A zero rate can only come from a broken file. Multiplying by it would silently give 0, so
// every conversion that involves one fails the way the division would.
void requireNonZero(const std::optional<Decimal>& rate) {
    if (rate && rate->isZero()) {
        throw DecimalError("Decimal division: division by zero (exchange rate is 0)");
    }
}

}  // namespace

Decimal CurrencyExchange::exchange(const Decimal& amount, const std::optional<Decimal>& fromRate,
                                   const std::optional<Decimal>& toRate) {
    requireNonZero(fromRate);
    requireNonZero(toRate);
    if (!fromRate && !toRate) {
        return amount;
    }
    if (!fromRate) {
        return (amount * *toRate).rounded(kAmountScale);
    }
    if (!toRate) {
        return (amount / *fromRate).rounded(kAmountScale);
    }
    if (*fromRate == *toRate) {
        return amount;
    }
    // The factor keeps every digit the arithmetic gives; only the result is rounded.
    Decimal factor = *toRate / *fromRate;
    return (amount * factor).rounded(kAmountScale);
}

std::map<std::string, Decimal> CurrencyExchange::generateExchangeRatesBasedOn(
    const std::string& homeCode, const std::string& path) {
    return generateExchangeRatesBasedOn(homeCode, CurrenciesFile::read(path));
}

std::map<std::string, Decimal> CurrencyExchange::generateExchangeRatesBasedOn(
    const std::string& homeCode, const std::vector<CurrenciesFile::Entry>& entries) {
    std::map<std::string, Decimal> perDollar;
    for (const CurrenciesFile::Entry& entry : entries) {
        perDollar.emplace(entry.code, entry.rate);
    }
    auto home = perDollar.find(homeCode);
    if (homeCode != kUSDollarCode && home == perDollar.end()) {
        PN_ASSERTION_FAILURE("Invalid home currency code.");
    }
    if (homeCode == kUSDollarCode) {
        return perDollar;
    }
    const Decimal dollar = (Decimal(1) / home->second).rounded(kRateScale);
    std::map<std::string, Decimal> rates{{kUSDollarCode, dollar}};
    for (const CurrenciesFile::Entry& entry : entries) {
        if (entry.code != homeCode) {
            rates.emplace(entry.code, (dollar * entry.rate).rounded(kRateScale));
        }
    }
    return rates;
}

std::string CurrencyExchange::nameForCurrencyCode(const std::string& code,
                                                  const std::string& path) {
    if (code == kUSDollarCode) {
        return kUSDollarName;
    }
    return nameForCurrencyCode(code, CurrenciesFile::read(path));
}

std::string CurrencyExchange::nameForCurrencyCode(
    const std::string& code, const std::vector<CurrenciesFile::Entry>& entries) {
    if (code == kUSDollarCode) {
        return kUSDollarName;
    }
    for (const CurrenciesFile::Entry& entry : entries) {
        if (entry.code == code) {
            return entry.name;
        }
    }
    PN_ASSERTION_FAILURE("Invalid currency code specified, " + code);
}
