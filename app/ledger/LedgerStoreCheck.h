#pragma once

#include <cstdint>
#include <optional>
#include <string>

class ObjectContext;

// Finds damage in a freshly loaded store that the store itself cannot see, because it is about
// what the ledger's objects mean together: the one settings record (Global) and its values,
// the one root of the account tree, the account tree without cycles, the account types, and
// every transaction in an account with a sort ID of its own below the next one handed out and
// splits that add up to its amount. (Each value
// on its own, amounts and dates among them, the store checks while loading.)
//
// Runs on every open of the store, before anything could write to it, in one pass over the
// transactions and one over the account tree.
class LedgerStoreCheck final {
public:
    // The most months of projection the program sets.
    static constexpr std::int64_t kMaximumProjectedMonths = 1200;

    // Nothing when the store is sound; otherwise what is damaged, as the end of the store's
    // "could not be read: …" text, e.g. "the value of nextSortID of Global 3 is damaged".
    // The home currency is checked against the currencies file at `currenciesFile` (not
    // when that file cannot be read).
    [[nodiscard]] static std::optional<std::string> findDamage(ObjectContext& context,
                                                               const std::string& currenciesFile);
};
