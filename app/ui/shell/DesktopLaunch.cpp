#include "ui/shell/DesktopLaunch.h"

#include <QCoreApplication>
#include <algorithm>

#include "base/AssertionFailure.h"
#include "base/Log.h"
#include "base/ProgramVersion.h"
#include "ui/common/Alerts.h"

namespace {

bool has(const std::vector<std::string>& arguments, const char* option) {
    return std::find(arguments.begin(), arguments.end(), option) != arguments.end();
}

QString tr(const char* text) {
    return QCoreApplication::translate("DesktopLaunch", text);
}

}  // namespace

std::optional<std::string> DesktopLaunch::commandLineAnswer(
    const std::vector<std::string>& arguments) {
    if (has(arguments, "--help") || has(arguments, "-h")) {
        return "usage: pennora [--help] [--version]\n"
               "       pennora --read-only PATH\n"
               "\n"
               "Opens the Pennora window on your store. pennora-cli works on the same store\n"
               "from the command line.\n"
               "\n"
               "  -h, --help        show this text and quit\n"
               "  --version         show the version and quit\n"
               "  --read-only PATH  open the store file PATH (a snapshot) without writing it\n";
    }
    if (has(arguments, "--version")) {
        return std::string("pennora ") + kProgramVersion + "\n";
    }
    return std::nullopt;
}

std::optional<std::string> DesktopLaunch::readOnlyStorePath(
    const std::vector<std::string>& arguments) {
    const auto found = std::find(arguments.begin(), arguments.end(), "--read-only");
    if (found == arguments.end() || found + 1 == arguments.end()) {
        return std::nullopt;
    }
    return *(found + 1);
}

bool DesktopLaunch::runStartStep(const std::function<void()>& step, Alerts& alerts) {
    try {
        step();
        return true;
    } catch (const AssertionFailure& failure) {
        logLine(std::string("Assertion failure: ") + failure.what());
        AlertContent alert;
        alert.message = tr("Pennora could not start.");
        alert.informativeText = QString::fromStdString(failure.what());
        alert.buttons = {tr("Quit")};
        alert.style = AlertContent::Style::Critical;
        alerts.run(alert, nullptr);
        return false;
    }
}
