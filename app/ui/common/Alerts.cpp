#include "ui/common/Alerts.h"

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
