#pragma once

#include <memory>
#include <optional>
#include <string>

#include "cli/CommandLine.h"
#include "session/HomeCurrencyAlert.h"
#include "store/ObjectContext.h"

class Node;
class StoreSession;

// The store one command works on: opened through the session from --store (or the data
// folder's "Database.pennorasql"), brought through the start sequence the desktop runs (root
// node, currencies, application-level migrations: for a new store the locale's home currency
// and the default categories), and saved only when the command succeeded. A command that
// fails on a store it had to create leaves no file behind.
class CliStore final {
public:
    // Throws CliError (failed) with the store's own error text when the file cannot be read,
    // or when a save of the start sequence fails.
    explicit CliStore(const GlobalOptions& global);
    ~CliStore();

    ObjectContext& context();
    Node& accountsRoot() { return *m_root; }
    // Saves; a refused or failed save is a CliError (failed) with the error's description, and
    // nothing reaches the file.
    void save();
    // The alert of a start that moved an older store's home currency (also logged).
    const std::optional<HomeCurrencyAlert>& homeCurrencyAlert() const { return m_alert; }

    // The default store file: "Database.pennorasql" in the data folder.
    static std::string defaultPath();

private:
    void open(const GlobalOptions& global);
    void throwIfErrorShown() const;
    // Closes the store and removes the file this command created, with SQLite's side files.
    void discardCreatedFile();

    std::unique_ptr<StoreSession> m_session;
    std::optional<ValidationError> m_shownError;
    std::optional<HomeCurrencyAlert> m_alert;
    Node* m_root = nullptr;
    std::string m_createdPath;  // the store's file when this command created it
    int m_uncaughtAtStart = 0;
};
