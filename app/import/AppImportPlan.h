#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "ImportValue.h"
#include "base/Date.h"
#include "base/Decimal.h"

// What an import from another application will create, worked out from the account list of a
// multi-account QIF file before anything is inserted: titles and notes as they will be stored,
// amounts rounded as the store keeps them, and every check that would otherwise refuse the
// save half way. Plain data; building it touches no store.
class AppImportPlan final {
public:
    struct PlannedSplit {
        std::optional<std::string> category;
        Decimal amount;
    };
    struct PlannedTransaction {
        Date date;
        Decimal amount;
        std::string title;
        std::optional<std::string> notes;
        // The category of the transaction's one split; unused when `splits` is not empty.
        std::optional<std::string> category;
        // Two or more, or none (a single split line is not used).
        std::vector<PlannedSplit> splits;
    };
    struct PlannedAccount {
        std::optional<std::string> name;
        std::vector<PlannedTransaction> transactions;
    };

    // The plan of an account list (QIFReader::parse), or the text of the first problem found:
    // a transaction without a readable date or amount, or one whose split amounts do not add
    // up to its amount.
    static std::variant<AppImportPlan, std::string> fromAccountList(const ImportArray& accounts);

    const std::vector<PlannedAccount>& accounts() const { return m_accounts; }

private:
    std::vector<PlannedAccount> m_accounts;
};
