#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QTableView;

// The backups window's widgets: where the snapshots are kept, their table, and the buttons
// to open one read-only, restore one and show the folder. BackupsController fills and wires it.
class BackupsWindow final : public QWidget {
    Q_OBJECT
public:
    explicit BackupsWindow(QWidget* parent = nullptr);

    QLabel* folderLabel() const { return m_folder; }
    QTableView* table() const { return m_table; }
    QPushButton* revealButton() const { return m_reveal; }
    QPushButton* openReadOnlyButton() const { return m_openReadOnly; }
    QPushButton* restoreButton() const { return m_restore; }

private:
    QLabel* m_folder;
    QTableView* m_table;
    QPushButton* m_reveal;
    QPushButton* m_openReadOnly;
    QPushButton* m_restore;
};
