#include "ui/shell/PennoraApplication.h"

#include "ui/shell/EventBoundary.h"

PennoraApplication::PennoraApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool PennoraApplication::notify(QObject* receiver, QEvent* event) {
    return EventBoundary::deliver(receiver, event,
                                  [&] { return QApplication::notify(receiver, event); });
}
