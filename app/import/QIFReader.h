#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "ImportValue.h"
#include "base/Date.h"
#include "base/Decimal.h"

// Reads QIF text. A bank's statement download becomes an import document
// {format: "qif", accounts: [{transactions: [...]}]}; a multi-account export with
// "Pennora_" extension lines becomes an account list. Holds no state.
//
// Errors are ParseError: "PNParseError" for bad content of a statement, "ParseError" for a
// badly built multi-account file. An error ends the whole read; nothing partial is returned.
class QIFReader final {
public:
    QIFReader() = delete;

    // The file read as text (StatementText::readFile), then parseForTransactions().
    static ImportDictionary parseFileForTransactions(const std::string& path);
    // One transaction entry per record: dateString (the D field as written), amount (T,
    // without "$"), name (P) and memo (M) with white space runs collapsed.
    static ImportDictionary parseForTransactions(std::string_view text);
    // The file read as text, then parse().
    static ImportArray parseFile(const std::string& path);
    // The Bank, Cash and CCard accounts of a multi-account file, in file order.
    static ImportArray parse(std::string_view text);

    static std::optional<std::string> guessDateOrder(const std::vector<std::string>& texts);
    static std::optional<Date> parseDate(std::string_view text, std::string_view order);
    static std::optional<Date> parseDate(std::string_view text);
    static std::array<std::int64_t, 3> dateComponentsFromString(std::string_view text);

    // Every record of the text: from a line start through the next "^" line.
    static std::vector<std::string> records(std::string_view text);
    // The same, requiring exactly `count` records unless it is -1; else throws "ParseError"
    // "Expected %d records, but got %d:\n%@".
    static std::vector<std::string> records(std::string_view text, int count);
    // The one record of the text (count 1).
    static std::string record(std::string_view text);
    // The "!" blocks of an account section; throws "ParseError" "Unexpected count" unless
    // there are `count` of them (-1: any number).
    static std::vector<std::string> blocks(std::string_view text, int count);
    static std::vector<std::string> accountFragments(std::string_view text);
    // The rest of the first line that begins with `letter`; nothing when there is none or it
    // is blank.
    static std::optional<std::string> field(std::string_view letter, std::string_view record);
    // The rest of the first line that begins with `key` and a space, blank or not.
    static std::optional<std::string> proprietaryField(std::string_view key,
                                                       std::string_view record);
    // The splits of a transaction record: category (S), memo (E), amount ($).
    static ImportArray splits(std::string_view record);
    // Every run of white space replaced by one space.
    static std::string processName(std::string_view text);
    static void check(std::int64_t value, std::set<std::int64_t>& set);
    static int maxField(const std::set<std::int64_t>& first, const std::set<std::int64_t>& middle,
                        const std::set<std::int64_t>& last);
    // The shared number reader: "," thousands, "." decimal point. (An entry's amount outside
    // AmountRange ends the read with a ParseError saying so.)
    static std::optional<Decimal> readDecimal(std::string_view text);
};
