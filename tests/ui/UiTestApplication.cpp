#include "UiTestApplication.h"

#include <QApplication>

void ensureUiTestApplication() {
    if (QApplication::instance() != nullptr) {
        return;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "ui_tests";
    static char* argv[] = {name, nullptr};
    // Never destroyed: tearing a QApplication down during static destruction at exit
    // crashes once other Qt globals are gone.
    new QApplication(argc, argv);
}
