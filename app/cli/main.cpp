#include <iostream>
#include <string>
#include <vector>

#include "cli/CliApplication.h"

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    if (arguments.size() == 1 && arguments[0] == "--version") {
        arguments = {"version"};
    }
    CliApplication application;
    return application.run(arguments, std::cout, std::cerr);
}
