#pragma once

#include <string>
#include <vector>

// An alert that a register command asks the front end to show: a title, a message and its
// buttons, the first being the default. The command says what each button leads to.
struct RegisterAlert final {
    std::string title;
    std::string message;
    std::vector<std::string> buttons;

    bool operator==(const RegisterAlert&) const = default;
};
