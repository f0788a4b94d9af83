#pragma once

#include <string>
#include <vector>

// A question or notice to the person, as data: the message, an informative text, up to three
// buttons (the first is the default, the second the alternate, the third the other button;
// none means one "OK" button) and an optional suppression box. The core says what to ask;
// the desktop shows it as a modal alert, the command line as a refusal or an option.
struct Alert final {
    enum class Style { Informational, Warning, Critical };

    std::string message{};
    std::string informativeText{};
    std::vector<std::string> buttons{};
    std::string suppressionText{};  // empty: no suppression box
    Style style = Style::Warning;

    // Message and informative text on two lines, or the message alone.
    [[nodiscard]] std::string text() const {
        return informativeText.empty() ? message : message + "\n" + informativeText;
    }

    bool operator==(const Alert&) const = default;
};
