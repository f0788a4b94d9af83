#pragma once

#include <QDialog>

#include "session/StoreRecovery.h"

class QLabel;
class QPushButton;

// The sheet shown when the store failed the check on opening: what is wrong, and the three
// ways on: restore the newest sound snapshot (named with its date and what it holds; absent
// when there is none), open the damaged store read-only, or quit. Window-modal; exec()
// answers the Choice.
class RecoverySheet final : public QDialog {
    Q_OBJECT
public:
    enum Choice { Quit = 0, Restore = 1, OpenReadOnly = 2 };

    RecoverySheet(const StoreRecovery& recovery, QWidget* parent);

    QLabel* messageLabel() const { return m_message; }
    QLabel* informativeLabel() const { return m_informative; }
    QPushButton* restoreButton() const { return m_restore; }
    QPushButton* readOnlyButton() const { return m_readOnly; }
    QPushButton* quitButton() const { return m_quit; }

private:
    QLabel* m_message;
    QLabel* m_informative;
    QPushButton* m_restore;
    QPushButton* m_readOnly;
    QPushButton* m_quit;
};
