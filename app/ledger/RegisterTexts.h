#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "base/DateFormatter.h"
#include "ledger/CurrencyFormatter.h"

class ObjectContext;
class Transaction;

// The texts of a register row: the date, the amount and the running balance in the
// account's currency (the home currency for an account without one), the check number and
// the category lines. Keeps one formatter per currency for the register's life, so that
// drawing a row formats and never builds a formatter.
class RegisterTexts final {
public:
    struct CategoryLine {
        std::string label;   // "Food" for one split; "Food: " or "Uncategorized: " for several
        std::string amount;  // "" for one split; else "-60.00" (no currency sign)
    };

    explicit RegisterTexts(ObjectContext& context);

    std::string date(const Transaction& transaction) const;
    std::string amount(const Transaction& transaction);
    std::string runningBalance(const Transaction& transaction);
    std::optional<std::string> checkNumber(const Transaction& transaction) const;
    std::vector<CategoryLine> categoryLines(const Transaction& transaction);

private:
    std::string currencyCodeOf(const Transaction& transaction) const;
    const CurrencyFormatter& formatter(const std::string& code);
    const CurrencyFormatter& symbolFreeFormatter(const std::string& code);

    ObjectContext& m_context;
    DateFormatter m_dateFormatter;
    std::map<std::string, CurrencyFormatter> m_formatters;
    std::map<std::string, CurrencyFormatter> m_symbolFreeFormatters;
};
