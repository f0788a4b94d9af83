// pennora-bench-statement: writes a generated bank statement of N entries to standard output,
// for timing `pennora-cli import` on a large file (bench/import/run-import-bench.sh).
//
//   pennora-bench-statement qif|ofx|ofx-xml N

#include <iostream>
#include <string>

#include "StatementGenerator.h"

int main(int argc, char** argv) {
    const std::string kind = argc > 1 ? argv[1] : "";
    if (argc != 3 || (kind != "qif" && kind != "ofx" && kind != "ofx-xml")) {
        std::cerr << "usage: pennora-bench-statement qif|ofx|ofx-xml ENTRIES\n";
        return 2;
    }
    const int entries = std::stoi(argv[2]);
    std::cout << (kind == "qif"   ? StatementGenerator::qif(entries)
                  : kind == "ofx" ? StatementGenerator::ofxSGML(entries)
                                  : StatementGenerator::ofxXML(entries));
    return std::cout ? 0 : 1;
}
