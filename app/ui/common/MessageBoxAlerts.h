#pragma once

#include "ui/common/Alerts.h"

// Alerts shown with QMessageBox: the default button takes Return, the alternate button
// (when there are two or more) takes Escape.
class MessageBoxAlerts final : public Alerts {
public:
    AlertAnswer run(const AlertContent& content, QWidget* parent) override;
};
