#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/Decimal.h"

class Transaction;

// The register's category column of a transaction. One split shows its category's name, or
// nothing when it has none; any other number of splits shows a line per split in sorted-split
// order: the category's name and ": " ("Uncategorized: " without one), then the amount, which
// each front end formats its own way.
class RegisterCategoryText final {
public:
    struct Line {
        std::string label;
        std::optional<Decimal> amount;  // none for a transaction's one split
    };

    static std::vector<Line> lines(const Transaction& transaction);
    // The lines with plain amounts ("-12.50"), joined by line breaks.
    static std::string plainText(const Transaction& transaction);
};
