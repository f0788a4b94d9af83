#pragma once

#include <QHash>
#include <QObject>
#include <functional>

#include "session/MenuCommand.h"

class QAction;
class QMenu;
class ApplicationDelegate;

// The main window's menus (File, Edit, Transaction, View, Window, Help) and the bottom bar's
// add and action menus, one QAction per command. Every menu validates its actions when it
// opens (the core's MenuValidation decides), and a command is validated again before it runs,
// so a shortcut never runs a command that is disabled.
class MainMenu final : public QObject {
    Q_OBJECT
public:
    explicit MainMenu(ApplicationDelegate& delegate);

    QAction* action(MenuCommand command) const { return m_actions.value(command); }
    // Validates every action (enabled state and title).
    void validateAll();
    // Validates the action of `command` and returns it.
    QAction& validate(MenuCommand command);
    // Validates, then runs the command when it is enabled.
    void trigger(MenuCommand command);

private:
    QAction* add(QMenu* menu, MenuCommand command, const QString& title,
                 const QKeySequence& shortcut, std::function<void()> run);
    void validateMenu(QMenu* menu);
    void buildFileMenu();
    void buildEditMenu();
    void buildTransactionMenu();
    void buildBudgetMenu();
    void buildViewMenu();
    void buildWindowMenu();
    void buildHelpMenu();
    void buildSegmentMenus();

    ApplicationDelegate& m_delegate;
    QHash<MenuCommand, QAction*> m_actions;
    QHash<QAction*, MenuCommand> m_commands;
};
