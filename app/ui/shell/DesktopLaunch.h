#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

class Alerts;

// What the desktop program does before its event loop runs. It answers --help, -h and
// --version on the terminal without opening a window (and without needing a display), and it
// runs the start-up steps so that an internal failure in one of them (a data folder that
// cannot be made, a sample that cannot be copied) is shown to the person and ends the program
// cleanly instead of aborting it.
class DesktopLaunch final {
public:
    DesktopLaunch() = delete;

    // The text to print for the options among `arguments` (the command line without the
    // program's name): the usage for --help or -h, the version for --version. Nothing when
    // the program is to start; options for Qt itself (-platform, -style, ...) are left to it.
    [[nodiscard]] static std::optional<std::string> commandLineAnswer(
        const std::vector<std::string>& arguments);

    // The store file given with "--read-only PATH": the program then opens it to look only
    // (a snapshot, from the backups window). Nothing without the option.
    [[nodiscard]] static std::optional<std::string> readOnlyStorePath(
        const std::vector<std::string>& arguments);

    // Runs `step`. An AssertionFailure that escapes it is logged and shown in a critical alert
    // "Pennora could not start." with the failure's text and a "Quit" button; then false is
    // returned and the caller ends the program. True when the step ran through.
    [[nodiscard]] static bool runStartStep(const std::function<void()>& step, Alerts& alerts);
};
