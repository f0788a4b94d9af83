#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/ParseError.h"
#include "import/ImportValue.h"
#include "import/OFXReader.h"
#include "import/QIFReader.h"
#include "import/StatementText.h"

// What the fuzz targets and the hostile-input test run on one input: every reader operation a
// statement import makes. A read must end with a result or a ParseError of the readers' own
// kinds; anything else escapes to the caller (and is a crash for the fuzzer).
namespace ReaderFuzzing {

inline bool isReaderErrorKind(const std::string& kind) {
    return kind == "PNParseError" || kind == "ParseError";
}

// Reads bytes as the import sheet does: by the byte-order mark or as UTF-8, else Latin-1.
inline std::string decoded(std::string_view bytes) {
    if (auto text = StatementText::decodeDetected(bytes)) {
        return *text;
    }
    return StatementText::decodeLatin1(bytes);
}

// Returns false when a read failed with an error of a kind the readers never raise.
inline bool readQIF(std::string_view bytes) {
    try {
        ImportDictionary document = QIFReader::parseForTransactions(decoded(bytes));
        std::vector<std::string> dates;
        for (const ImportValue& entry :
             document.at("accounts").array().at(0).dictionary().at("transactions").array()) {
            dates.push_back(entry.dictionary().at("dateString").text());
        }
        if (!dates.empty()) {
            if (auto order = QIFReader::guessDateOrder(dates)) {
                for (const std::string& date : dates) {
                    (void)QIFReader::parseDate(date, *order);
                }
            }
        }
    } catch (const ParseError& error) {
        if (!isReaderErrorKind(error.kind())) {
            return false;
        }
    }
    try {
        (void)QIFReader::parse(bytes);  // raw bytes too: the reader must cope with bad UTF-8
    } catch (const ParseError& error) {
        return isReaderErrorKind(error.kind());
    }
    return true;
}

inline bool readOFX(std::string_view bytes) {
    try {
        ImportDictionary document = OFXReader::readTransactions(bytes);
        for (const ImportValue& account : document.at("accounts").array()) {
            const ImportValue* list = findValue(account.dictionary(), "transactions");
            for (const ImportValue& entry : list ? list->array() : ImportArray{}) {
                (void)OFXReader::parseDate(entry.dictionary().at("DTPOSTED").text());
            }
        }
        (void)OFXReader::readTransactions(decoded(bytes));
    } catch (const ParseError& error) {
        return isReaderErrorKind(error.kind());
    }
    return true;
}

}  // namespace ReaderFuzzing
