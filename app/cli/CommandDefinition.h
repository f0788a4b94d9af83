#pragma once

#include <functional>
#include <string>
#include <vector>

class CommandInvocation;

// How one command is called: its name (one or two words, e.g. "accounts" or
// "scheduled list"), its positional arguments, the options that take a value and the flags
// that take none. The parser uses this to split a command's arguments; `run` does the work
// and returns normally on success (a CliError otherwise).
struct CommandDefinition {
    std::string name{};
    std::string summary{};
    std::vector<std::string> positionals{};   // names shown in the usage line, in order
    std::size_t optionalPositionals = 0;      // how many trailing positionals may be left out
    std::vector<std::string> valueOptions{};  // "--title", ...; may be given more than once
    std::vector<std::string> flags{};         // "--cleared", ...
    std::function<void(CommandInvocation&)> run{};

    // The usage line: "NAME POS1 POS2 [--option VALUE]... [--flag]...".
    std::string usage() const;
};
