#include "cli/BackupCommands.h"

#include <algorithm>

#include "cli/CliError.h"
#include "cli/CliRows.h"
#include "cli/CliStore.h"
#include "cli/CommandInvocation.h"
#include "cli/CommandRegistry.h"
#include "session/ApplicationModel.h"
#include "session/FileStores.h"
#include "session/StoreSession.h"
#include "session/StoreSnapshots.h"

namespace {

using CliRows::Json;

std::string storePathOf(const CommandInvocation& call) {
    return call.global().storePath.value_or(CliStore::defaultPath());
}

Json snapshotRow(const SnapshotManifest& snapshot) {
    Json balances = Json::array();
    for (const SnapshotManifest::Balance& b : snapshot.balances) {
        balances.push_back(Json{
            {"account", b.account}, {"currency", b.currency}, {"balance", b.balance.toString(2)}});
    }
    return Json{{"file", snapshot.file},
                {"taken", snapshot.takenText()},
                {"reason", SnapshotManifest::reasonKey(snapshot.reason)},
                {"reasonText", SnapshotManifest::reasonText(snapshot.reason)},
                {"transactions", snapshot.transactions},
                {"netWorth", snapshot.netWorth.toString(2)},
                {"homeCurrency", snapshot.homeCurrency},
                {"modelVersion", snapshot.modelVersion},
                {"balances", std::move(balances)},
                {"sha256", snapshot.sha256}};
}

// The snapshot named `file`, or the newest that passes the check when none is named.
SnapshotManifest chosenSnapshot(const StoreSnapshots& snapshots,
                                const std::optional<std::string>& file) {
    if (!file) {
        std::optional<SnapshotManifest> newest = snapshots.newestPassing();
        if (!newest) {
            throw CliError::failed("No snapshot in " + snapshots.folder() + " passes the check.");
        }
        return *newest;
    }
    for (const SnapshotManifest& snapshot : snapshots.list()) {
        if (snapshot.file == *file) {
            return snapshot;
        }
    }
    throw CliError::failed("There is no snapshot \"" + *file + "\" in " + snapshots.folder() + ".");
}

// A session over the store as it is on disk, checked as opening does but without the
// snapshot on opening and the start sequence, so that a damaged store can be looked at and
// replaced, and a snapshot taken here is the command's own.
std::unique_ptr<StoreSession> bareSession(const std::string& path) {
    StoreSession::Options options = FileStores::sessionOptions();
    options.databasePath = path;
    options.snapshotOnOpen = false;
    auto session = std::make_unique<StoreSession>(ApplicationModel::shared(), options);
    (void)session->context();
    return session;
}

void listBackups(CommandInvocation& call) {
    Json rows = Json::array();
    const StoreSnapshots snapshots(storePathOf(call));
    for (const SnapshotManifest& snapshot : snapshots.list()) {
        rows.push_back(snapshotRow(snapshot));
    }
    call.result()["folder"] = snapshots.folder();
    call.result()["snapshots"] = std::move(rows);
}

void createBackup(CommandInvocation& call) {
    const std::string path = storePathOf(call);
    std::unique_ptr<StoreSession> session = bareSession(path);
    if (session->openError()) {
        throw CliError::failed(CliStore::recoveryText(*session));
    }
    const std::size_t before = session->snapshots()->list().size();
    auto taken = session->snapshots()->take(SnapshotReason::Manual, session->context());
    if (const auto* error = std::get_if<std::string>(&taken)) {
        throw CliError::failed("The snapshot could not be taken: " + *error);
    }
    // A store unchanged since a snapshot answers that snapshot.
    call.result()["new"] = session->snapshots()->list().size() > before;
    call.result()["snapshot"] = snapshotRow(std::get<SnapshotManifest>(taken));
}

void verifyBackups(CommandInvocation& call) {
    const std::string path = storePathOf(call);
    std::unique_ptr<StoreSession> session = bareSession(path);
    Json rows = Json::array();
    for (const SnapshotManifest& snapshot : StoreSnapshots(path).list()) {
        const std::optional<std::string> damage = StoreSnapshots(path).verify(snapshot);
        rows.push_back(Json{{"file", snapshot.file},
                            {"taken", snapshot.takenText()},
                            {"passes", !damage},
                            {"problem", CliRows::optionalText(damage)}});
    }
    if (session->openError()) {
        throw CliError::failed(CliStore::recoveryText(*session));
    }
    call.result()["store"] = path;
    call.result()["passes"] = true;
    call.result()["snapshots"] = std::move(rows);
}

void restoreBackup(CommandInvocation& call) {
    const std::string path = storePathOf(call);
    std::unique_ptr<StoreSession> session = bareSession(path);
    const SnapshotManifest snapshot = chosenSnapshot(*session->snapshots(), call.positional(0));
    if (std::optional<std::string> error = session->restoreSnapshot(snapshot)) {
        throw CliError::failed("The snapshot could not be restored: " + *error);
    }
    (void)session->context();
    if (session->openError()) {
        throw CliError::failed(session->openError()->localizedDescription);
    }
    call.result()["restored"] = snapshotRow(snapshot);
}

}  // namespace

void registerBackupCommands(CommandRegistry& registry) {
    registry.add({.name = "backup list",
                  .summary = "the store's snapshots, newest first",
                  .run = listBackups});
    registry.add({.name = "backup create",
                  .summary = "take a snapshot of the store now",
                  .run = createBackup});
    registry.add({.name = "backup verify",
                  .summary = "check the store and each snapshot as opening does",
                  .run = verifyBackups});
    registry.add({.name = "backup restore",
                  .summary = "put a snapshot (the newest that passes the check) in the store's "
                             "place, after taking one of the store",
                  .positionals = {"SNAPSHOT"},
                  .optionalPositionals = 1,
                  .run = restoreBackup});
}
