#include "ui/common/Alerts.h"

#include "base/Alert.h"
#include "base/CommandCheck.h"
#include "ui/common/MessageBoxAlerts.h"

namespace {

Alerts* g_replacement = nullptr;

}  // namespace

Alerts& Alerts::shared() {
    static MessageBoxAlerts messageBoxes;
    return g_replacement != nullptr ? *g_replacement : messageBoxes;
}

void Alerts::setShared(Alerts* alerts) {
    g_replacement = alerts;
}

bool Alerts::mayProceed(const CommandCheck& check, QWidget* parent) {
    if (check.verdict == CommandCheck::Verdict::Proceed) {
        return true;
    }
    const AlertAnswer answer = show(check.alert, parent);
    return check.verdict == CommandCheck::Verdict::Confirm && answer.button == 0;
}

AlertContent AlertContent::from(const Alert& alert) {
    AlertContent content{.message = QString::fromStdString(alert.message),
                         .informativeText = QString::fromStdString(alert.informativeText),
                         .suppressionText = QString::fromStdString(alert.suppressionText)};
    for (const std::string& button : alert.buttons) {
        content.buttons << QString::fromStdString(button);
    }
    switch (alert.style) {
        case Alert::Style::Informational:
            content.style = Style::Informational;
            break;
        case Alert::Style::Critical:
            content.style = Style::Critical;
            break;
        case Alert::Style::Warning:
            content.style = Style::Warning;
            break;
    }
    return content;
}
