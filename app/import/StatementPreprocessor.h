#pragma once

#include "ImportValue.h"

class Account;

// Completes and corrects an import document in place before it is imported into one account:
// settles every entry's date (storing a guessed QIF date order in the account), fills in the
// bank title and identifier, drops a check number that only repeats the identifier, and
// applies the per-bank corrections. Running it again over its own result changes nothing.
class StatementPreprocessor final {
public:
    StatementPreprocessor() = delete;

    // Throws ParseError "PNParseError" for an OFX date that cannot be read, and
    // "PNAmbiguousDateOrder" (details: sampleText, and parseFailed when a date failed to read
    // under a known order) when a QIF document's dates cannot be settled.
    static void preprocessDocument(Account& account, ImportDictionary& document);
};
