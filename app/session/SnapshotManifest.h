#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/Date.h"
#include "base/Decimal.h"

class ObjectContext;

// Why a snapshot was taken.
enum class SnapshotReason {
    Open,               // the store was opened (before migrations and the day's work)
    Hourly,             // changes were saved since the last snapshot, an hour or more ago
    Manual,             // the person asked for one
    StatementImport,    // before a bank statement was imported
    ApplicationImport,  // before an import from another application
    HomeCurrency,       // before the home currency was switched
    DeleteAccount,      // before an account with transactions was deleted
    Restore,            // before another snapshot was put in the store's place
};

// What a snapshot holds, written beside its file as a small JSON document: when and why it
// was taken, the data model version, the number of transactions, every account's balance
// and the net worth in the home currency, and the SHA-256 of the file (which also tells
// copies with the same content apart from different ones).
struct SnapshotManifest final {
    struct Balance final {
        std::string account;
        std::string currency;
        Decimal balance;
        bool operator==(const Balance&) const = default;
    };

    std::string file;  // the snapshot's file name in its folder
    Date::TimePoint taken{};
    SnapshotReason reason = SnapshotReason::Manual;
    int modelVersion = 0;
    std::int64_t transactions = 0;  // the person's, without the projected ones
    std::string homeCurrency;
    Decimal netWorth;
    std::vector<Balance> balances;  // by account name
    std::string sha256;
    // Size, change time and inode of the store file (and of its write-ahead log) when the
    // copy was made: a store whose stamp is still the same has not changed since.
    std::string sourceStamp;

    bool operator==(const SnapshotManifest&) const = default;

    // The figures of the ledger in `context` (transactions, balances, net worth).
    // REQUIRES: `context` holds what the snapshot's file holds.
    void takeFiguresFrom(ObjectContext& context);

    // When it was taken, in local time: "2026-03-15 09:00".
    [[nodiscard]] std::string takenText() const;
    // "1700.00 USD".
    [[nodiscard]] std::string netWorthText() const;
    // What it holds: "2 transactions, net worth 1700.00 USD".
    [[nodiscard]] std::string contentsText() const;
    // Both, as a snapshot is named to a person: "2026-03-15 09:00 (2 transactions, …)".
    [[nodiscard]] std::string label() const { return takenText() + " (" + contentsText() + ")"; }

    [[nodiscard]] std::string toJSON() const;
    // Nothing for text that is not a manifest (a damaged or foreign file).
    [[nodiscard]] static std::optional<SnapshotManifest> fromJSON(const std::string& text);

    // The reason as the manifest stores it ("open", "statement-import", ...).
    [[nodiscard]] static std::string reasonKey(SnapshotReason reason);
    [[nodiscard]] static std::optional<SnapshotReason> reasonFromKey(const std::string& key);
    // The reason as a person reads it: "Opened", "Before a statement import", ...
    [[nodiscard]] static std::string reasonText(SnapshotReason reason);
};
