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
