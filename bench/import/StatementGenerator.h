#pragma once

#include <string>

// Builds statement files of a given number of transactions for the benchmarks: varied dates,
// amounts, names and memos, as a bank writes them.
class StatementGenerator final {
public:
    // OFX 1 (SGML): leaf elements without end tags, one element per line.
    static std::string ofxSGML(int transactions);
    // OFX 2 (XML): every element closed.
    static std::string ofxXML(int transactions);
    // A bank QIF download with "!Type:Bank" and one record per transaction.
    static std::string qif(int transactions);
};
