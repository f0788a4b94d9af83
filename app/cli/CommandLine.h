#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/Date.h"

// The options every command shares: which store, which day is today, which locale, and
// whether to answer in JSON.
struct GlobalOptions {
    std::optional<std::string> storePath;
    std::optional<Date> today;
    std::optional<std::string> locale;
    bool json = false;
    // Also print the program's log (store and currency housekeeping) on standard error.
    bool verbose = false;
    // Not an option: the program's main sets it (CliApplication::leaveStoresToProcessExit).
    bool leaveObjectsToProcessExit = false;
};

// The command line split into the shared options and the words that name the command and
// its arguments. The shared options may stand anywhere; "--" ends option processing, so
// everything after it is a command word. In the command's place, --help and -h stand for
// "help" and --version for "version".
struct CommandLine {
    GlobalOptions global;
    std::vector<std::string> words;

    // Throws CliError (usage) for a shared option without its value or with a bad value.
    static CommandLine parse(const std::vector<std::string>& arguments);
};
