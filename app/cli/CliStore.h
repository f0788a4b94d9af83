#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/CommandLine.h"
#include "session/HomeCurrencyAlert.h"
#include "store/ObjectContext.h"

class Node;
class StoreSession;

// The store one command works on: opened through the session from --store (or the data
// folder's "Database.pennorasql"), brought through the start sequence the desktop runs (root
// node, currencies, application-level migrations: for a new store the locale's home currency
// and the default categories).
//
// The start sequence and the command are one unit of change (a savepoint on the context):
// every save inside it, the command's own and those of the core operations it calls, checks
// the changes at once but writes nothing yet. The unit is written whole when the command has
// succeeded: inside a CliStore::Run (CliApplication makes one around every command) after the
// command returned with its answer complete, so that a command that fails anywhere, also
// after its save, writes nothing, and a store file that was missing is not even created.
class CliStore final {
public:
    // Throws CliError (failed) with the store's own error text when the file cannot be read.
    explicit CliStore(const GlobalOptions& global);
    ~CliStore();
    CliStore(const CliStore&) = delete;
    CliStore& operator=(const CliStore&) = delete;

    ObjectContext& context();
    Node& accountsRoot() { return *m_root; }
    // The command's save. Refused changes are a CliError (failed) with the error's
    // description. Inside a Run the write follows when the command has succeeded; outside one
    // it happens now, and a failed write is a CliError too. Either way nothing reaches the file
    // unless all of it does.
    void save();
    // For a command whose core operation saved through the context itself (an import does):
    // what save() does after checking the changes, which that save has checked already.
    void keepSaved();
    // The alert of a start that moved an older store's home currency (also logged).
    const std::optional<HomeCurrencyAlert>& homeCurrencyAlert() const { return m_alert; }

    // The default store file: "Database.pennorasql" in the data folder.
    static std::string defaultPath();
    // What a command answers when `session`'s store failed the check on opening: the reason
    // and the snapshot that `backup restore` would put in its place.
    // REQUIRES: session.openError().
    static std::string recoveryText(const StoreSession& session);

    struct Unit;

    // The run of one command. The stores the command opens while a run is active are written
    // by finish(), after the command returned; a run that ends without finish() writes
    // nothing. Runs do not nest.
    class Run final {
    public:
        Run();
        ~Run();
        Run(const Run&) = delete;
        Run& operator=(const Run&) = delete;

        // Writes what the command's stores hold: the command's changes and the start
        // sequence's in one save when the command saved; only the start sequence's otherwise
        // (none when the file may not be written, so that commands that change nothing work
        // on a read-only store). Throws CliError (failed) when a save fails; the file is then
        // as it was.
        void finish();

    private:
        friend class CliStore;
        std::vector<std::shared_ptr<Unit>> m_units;
    };

private:
    void open(const GlobalOptions& global);
    void throwIfErrorShown() const;

    std::shared_ptr<Unit> m_unit;
    std::optional<HomeCurrencyAlert> m_alert;
    Node* m_root = nullptr;
};
