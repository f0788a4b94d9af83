#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ImportValue.h"
#include "base/Date.h"

// Reads the text of an OFX or QFX statement download, SGML (version 1) or XML (version 2),
// into an import document: {format: "ofx", LANGUAGE, FI_ORG, FI_FID, accounts: [...]}, one
// account entry per STMTRS or CCSTMTRS aggregate. It finds elements by tag wherever they
// stand and ignores the header, any XML prolog and every element it does not need. Holds no
// state.
//
// A required element that is missing or repeated, and an amount that is not a number, end the
// read with ParseError "PNParseError"; nothing partial is returned. A balance or list date that
// is not a date, an available balance that is not a number and a CHECKNUM that is not a
// number leave their key absent.
class OFXReader final {
public:
    OFXReader() = delete;

    // REQUIRES nothing of the text: text that is not valid UTF-8 is read with U+FFFD in place
    // of every ill-formed sequence.
    static ImportDictionary readTransactions(std::string_view text);

    // The contents of every `tag` element of the text; when `count` is not -1 there must be
    // exactly that many, else throws "Expected %d %@(s), got %d instead".
    static std::vector<std::string> elements(std::string_view tag, std::string_view text,
                                             int count = -1);
    // The one content of `tag` (count 1).
    static std::string element(std::string_view tag, std::string_view text);
    // The content of `tag`, or nothing; two or more throw "Expected 0 or 1 %@(s), got %d
    // instead".
    static std::optional<std::string> optionalElement(std::string_view tag, std::string_view text);
    // (tag, content) for every element whose tag is one of `tags`, in text order.
    static std::vector<std::pair<std::string, std::string>> elementsByTags(
        const std::vector<std::string>& tags, std::string_view text);

    // parseDate(text, "yyyyMMdd").
    static std::optional<Date> parseDate(std::string_view text);
    // The UTC calendar day at the start of the text in the ICU date pattern `format`; what
    // follows the part the pattern covers is ignored. Nothing when the text does not begin
    // with such a date.
    static std::optional<Date> parseDate(std::string_view text, std::string_view format);
    // White space runs become one space, then "&amp;" (repeated, any case) becomes "&".
    static std::string processName(std::string_view text);
};
