#pragma once

#include <string>
#include <vector>

// A question the program puts to the user before a command, as data: the front end shows it
// as a modal alert (the desktop) or answers it from an option (the command line).
struct AlertQuestion final {
    std::string message;
    std::string informativeText;
    std::vector<std::string> buttons;  // the first is the default button

    bool operator==(const AlertQuestion&) const = default;
};
