#pragma once

#include <memory>
#include <string>

#include "cli/CommandLine.h"
#include "store/ObjectContext.h"

class Node;

// The store one command works on: opened from --store (or the data folder's
// "Database.pennorasql"), brought through the start sequence (root node, currencies, and for
// a new store the locale's home currency and the default categories), and saved only when the command succeeded.
class CliStore final {
public:
    // Throws CliError (failed) with the store's own error text when the file cannot be read.
    explicit CliStore(const GlobalOptions& global);

    ObjectContext& context() { return *m_context; }
    Node& accountsRoot() { return *m_root; }
    // Saves; a refused or failed save is a CliError (failed) with the error's description, and
    // nothing reaches the file.
    void save();

    // The default store file: "Database.pennorasql" in the data folder.
    static std::string defaultPath();

private:
    std::unique_ptr<ObjectContext> m_context;
    Node* m_root = nullptr;
};
