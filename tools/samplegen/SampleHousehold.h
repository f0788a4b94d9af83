#pragma once

#include <optional>
#include <string>

#include "base/Date.h"

class ObjectContext;

// The household of the shipped sample store: a checking and a savings account in a group, a
// credit card, a wallet and an account in euros; September to December of transactions with
// splits, categories in groups, imported and matched bank entries and a few still pending;
// one budget; scheduled rent, a biweekly salary, a transfer to savings, an electricity bill
// with a reminder and a gym membership paid automatically. The program moves its dates to
// the present when it opens the sample.
class SampleHousehold final {
public:
    // The day the sample is written as of: its latest transaction is in this month.
    static Date writtenOn();

    // Fills the empty `context`. REQUIRES: the clock stands at writtenOn() (write() sees to
    // it), so that defaults taken from today do not depend on the day the generator runs.
    // The euro's name and rate come from `currenciesFile`.
    static void fill(ObjectContext& context, const std::string& currenciesFile);

    // Writes the sample as an XML store to `path` (replacing it); the error text, or nothing.
    [[nodiscard]] static std::optional<std::string> write(const std::string& path,
                                                          const std::string& currenciesFile);
};
