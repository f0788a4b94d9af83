#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

// Runs a program without a shell and collects what it printed and how it ended.
struct ProcessResult {
    int exitStatus = -1;  // -1 when the program did not exit normally
    std::string out;
    std::string err;
};

// Variables to set (a value) or remove (nothing) in the program's environment.
using EnvironmentChanges = std::vector<std::pair<std::string, std::optional<std::string>>>;

ProcessResult runProcess(const std::string& program, const std::vector<std::string>& arguments,
                         const EnvironmentChanges& environment = {});

// The same as another user: run as root, the program runs as `user` (say 65534, nobody), so
// that file permissions hold for it as they do for anyone but root; run as anyone else, as
// that user itself.
ProcessResult runProcessAsUser(unsigned user, const std::string& program,
                               const std::vector<std::string>& arguments);
