#pragma once

#include <string>

// The user's locale (an ICU locale id such as "en_US" or "de_DE"), used for currency formats,
// month names and the home currency of a new store. Defaults to the environment's locale;
// tests and the CLI's --locale set it explicitly.
class UserLocale final {
public:
    static std::string current();
    static void set(const std::string& localeID);
    // Back to the environment's locale.
    static void reset();
};
