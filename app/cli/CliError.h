#pragma once

#include <stdexcept>
#include <string>

#include "base/CommandCheck.h"

// Errors a command reports to the person at the terminal. The exit status tells scripts
// what kind of failure it was.
enum class ExitStatus : int {
    Success = 0,
    Failed = 1,      // the command failed for a reason the user can fix
    UsageError = 2,  // the command line itself was wrong
};

// Thrown by argument handling and commands; main() prints the message to standard error
// and exits with the status.
class CliError final : public std::runtime_error {
public:
    CliError(ExitStatus status, const std::string& message)
        : std::runtime_error(message), m_status(status) {}

    static CliError usage(const std::string& message) {
        return CliError(ExitStatus::UsageError, message);
    }
    static CliError failed(const std::string& message) {
        return CliError(ExitStatus::Failed, message);
    }

    // A core command's refusal fails the command with the alert's texts; asking for
    // confirmation is no refusal: running the command was the person's confirmation.
    static void throwIfRefused(const CommandCheck& check) {
        if (check.isRefused()) {
            throw failed(check.alert.text());
        }
    }

    ExitStatus status() const { return m_status; }

private:
    ExitStatus m_status;
};
