#include <iostream>

#include "SampleHousehold.h"

// pennora-samplegen OUTPUT.xml CURRENCIES.plist: writes the sample store.
int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: pennora-samplegen OUTPUT.xml CURRENCIES.plist\n";
        return 2;
    }
    if (std::optional<std::string> error = SampleHousehold::write(argv[1], argv[2])) {
        std::cerr << "pennora-samplegen: " << *error << "\n";
        return 1;
    }
    return 0;
}
