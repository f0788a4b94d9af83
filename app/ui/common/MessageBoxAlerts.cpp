#include "ui/common/MessageBoxAlerts.h"

#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>
#include <vector>

namespace {

QMessageBox::Icon iconFor(AlertContent::Style style) {
    switch (style) {
        case AlertContent::Style::Informational:
            return QMessageBox::Information;
        case AlertContent::Style::Critical:
            return QMessageBox::Critical;
        case AlertContent::Style::Warning:
            break;
    }
    return QMessageBox::Warning;
}

}  // namespace

AlertAnswer MessageBoxAlerts::run(const AlertContent& content, QWidget* parent) {
    QMessageBox box(parent);
    box.setIcon(iconFor(content.style));
    box.setText(content.message);
    box.setInformativeText(content.informativeText);
    box.setWindowModality(parent != nullptr ? Qt::WindowModal : Qt::ApplicationModal);

    const QStringList titles =
        content.buttons.isEmpty() ? QStringList{QMessageBox::tr("OK")} : content.buttons;
    std::vector<QPushButton*> buttons;
    for (int i = 0; i < titles.size(); ++i) {
        // Roles order the buttons the platform's way: default last, alternate before it.
        const QMessageBox::ButtonRole role = i == 0   ? QMessageBox::AcceptRole
                                             : i == 1 ? QMessageBox::RejectRole
                                                      : QMessageBox::DestructiveRole;
        buttons.push_back(box.addButton(titles[i], role));
    }
    box.setDefaultButton(buttons.front());
    box.setEscapeButton(buttons.size() >= 2 ? buttons[1] : buttons.front());

    QCheckBox* suppression = nullptr;
    if (!content.suppressionText.isEmpty()) {
        suppression = new QCheckBox(content.suppressionText, &box);
        box.setCheckBox(suppression);
    }
    box.exec();

    AlertAnswer answer;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (box.clickedButton() == buttons[i]) {
            answer.button = static_cast<int>(i);
        }
    }
    if (box.clickedButton() == nullptr && buttons.size() >= 2) {
        answer.button = 1;  // closed without a button: the alternate (cancel) answer
    }
    answer.suppressed = suppression != nullptr && suppression->isChecked();
    return answer;
}
