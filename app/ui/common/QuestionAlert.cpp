#include "ui/common/QuestionAlert.h"

#include "ledger/AlertQuestion.h"
#include "ui/common/Alerts.h"

AlertContent alertContentFor(const AlertQuestion& question) {
    AlertContent content;
    content.message = QString::fromStdString(question.message);
    content.informativeText = QString::fromStdString(question.informativeText);
    for (const std::string& button : question.buttons) {
        content.buttons << QString::fromStdString(button);
    }
    return content;
}

int askQuestion(const AlertQuestion& question, QWidget* parent) {
    return Alerts::shared().run(alertContentFor(question), parent).button;
}
