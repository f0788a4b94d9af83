#pragma once

#include <QApplication>

// The desktop application object: every event passes the EventBoundary (one undo group
// per user event, assertion failures logged instead of ending the program).
class PennoraApplication final : public QApplication {
    Q_OBJECT
public:
    PennoraApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};
