#pragma once

#include <string>

// The alert of a start that moved an older store's home currency to the locale's: message,
// informative text and one default button. The start sequence returns it; the front end
// shows it.
struct HomeCurrencyAlert final {
    std::string messageText;
    std::string informativeText;

    bool operator==(const HomeCurrencyAlert&) const = default;
};
