#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "cli/CliApplication.h"
#include "store/ObjectContext.h"

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    // The process ends with the command: its stores close as usual, but the objects are not
    // taken apart one by one only for the memory to be handed back at exit anyway.
    ObjectContext::setLeavesObjectsToProcessExit(true);
    CliApplication application;
    application.setErrorIsTerminal(::isatty(STDERR_FILENO) != 0);
    return application.run(arguments, std::cout, std::cerr);
}
