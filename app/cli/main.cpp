#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "cli/CliApplication.h"

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    CliApplication application;
    // The process ends with the command: the store closes as usual, but its objects are not
    // taken apart one by one only for the memory to be handed back at exit anyway.
    application.leaveStoresToProcessExit();
    application.setErrorIsTerminal(::isatty(STDERR_FILENO) != 0);
    return application.run(arguments, std::cout, std::cerr);
}
