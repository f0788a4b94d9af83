#pragma once

#include <string>
#include <vector>

// Runs a program without a shell and collects what it printed and how it ended.
struct ProcessResult {
    int exitStatus = -1;  // -1 when the program did not exit normally
    std::string out;
    std::string err;
};

ProcessResult runProcess(const std::string& program, const std::vector<std::string>& arguments);

// The same as another user: run as root, the program runs as `user` (say 65534, nobody), so
// that file permissions hold for it as they do for anyone but root; run as anyone else, as
// that user itself.
ProcessResult runProcessAsUser(unsigned user, const std::string& program,
                               const std::vector<std::string>& arguments);
