#include <cstdio>
#include <cstring>

// pennora-cli. Commands arrive with the ledger; today it only answers --version.
int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::puts("pennora-cli 0.1.0");
        return 0;
    }
    std::fputs("usage: pennora-cli --version\n", stderr);
    return 2;
}
