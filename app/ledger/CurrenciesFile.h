#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "base/Decimal.h"

// The currencies file shipped beside the program: an XML property list whose root is an array
// of dictionaries with the keys "code" (string), "name" (string) and "rate" (integer or real:
// units of that currency per US dollar). The US dollar is built in and never listed. The file is
// only ever read.
class CurrenciesFile final {
public:
    struct Entry final {
        std::string code;
        std::string name;
        // Read from the number's text, so exactly what the file says.
        Decimal rate;
        bool operator==(const Entry&) const = default;
    };

    // A currencies file that cannot be used. The message names the file and what is wrong with
    // it. It comes only from a broken installation, never from what the user types; callers
    // treat it like an internal error.
    class Error final : public std::runtime_error {
    public:
        using std::runtime_error::runtime_error;
    };

    // The file shipped with the program ("DefaultCurrencies.plist" in ResourcesFolder).
    [[nodiscard]] static std::string defaultPath();

    // Every entry of the file at `path`, in file order. Throws Error when the file is missing
    // or is not XML, when the root is not an array of dictionaries, or when an entry lacks a
    // key, has a key of the wrong type, has a rate that is not a number above zero, repeats a
    // code or lists "USD".
    [[nodiscard]] static std::vector<Entry> read(const std::string& path);
};
