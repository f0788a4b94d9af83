#include "DialogScript.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTimer>

void whenDialogNamed(const QString& name, std::function<void(QDialog&)> answer, int tries) {
    QTimer::singleShot(0, [=] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || dialog->objectName() != name) {
            if (tries == 0) {
                ADD_FAILURE() << "no dialog " << name.toStdString();
                if (dialog != nullptr) {
                    dialog->done(0);
                }
                return;
            }
            whenDialogNamed(name, answer, tries - 1);
            return;
        }
        answer(*dialog);
        if (dialog->isVisible()) {
            dialog->done(0);
        }
    });
}
