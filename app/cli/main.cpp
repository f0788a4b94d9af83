#include <iostream>
#include <string>
#include <vector>

#include "cli/CliApplication.h"

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    CliApplication application;
    return application.run(arguments, std::cout, std::cerr);
}
