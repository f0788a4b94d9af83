#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "cli/CliProgress.h"
#include "cli/CommandRegistry.h"

// The command-line program without its main(): reads the shared options, fixes today and
// the locale for the run, finds the command, runs it and prints its answer (JSON with
// --json, readable text otherwise). Errors go to `err`; the return value is the exit status
// (0 success, 1 a failure the user can fix, 2 a usage error). Tests call it in-process.
class CliApplication final {
public:
    CliApplication();
    CliApplication(const CliApplication&) = delete;
    CliApplication& operator=(const CliApplication&) = delete;

    int run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

    const CommandRegistry& registry() const { return m_registry; }
    // For the program, whose process ends with the command: the store's objects are left to
    // the exit instead of being taken apart (see ObjectContext::leaveObjectsToProcessExit).
    void leaveStoresToProcessExit() { m_leaveStoresToProcessExit = true; }

    // Whether `err` is a terminal (main() asks isatty): only then do long commands show their
    // progress there. `clock` times the progress line's updates.
    void setErrorIsTerminal(bool isTerminal, CliProgress::Clock clock = &CliProgress::steadyNow) {
        m_errorIsTerminal = isTerminal;
        m_progressClock = std::move(clock);
    }

private:
    int runCommand(const struct CommandLine& line, std::ostream& out, std::ostream& err);

    CommandRegistry m_registry;
    bool m_leaveStoresToProcessExit = false;
    bool m_errorIsTerminal = false;
    CliProgress::Clock m_progressClock = &CliProgress::steadyNow;
};
