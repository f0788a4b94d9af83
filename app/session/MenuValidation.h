#pragma once

#include <cstddef>
#include <vector>

#include "base/MenuItemState.h"
#include "session/MenuCommand.h"
#include "session/SourceListCommands.h"

class Transaction;

// Whether each command of the main window's menus is enabled and how it reads, from what the
// main window shows. The desktop asks before a menu opens and again before a command runs.
class MenuValidation final {
public:
    // What the main window shows, as far as the menus care.
    struct State {
        bool welcomeWindowVisible = false;
        bool storeOpen = false;
        bool sampleMode = false;
        // The store keeps snapshots (an SQLite store opened to write, not the sample).
        bool keepsSnapshots = false;
        SourceListCommands::Selection selection;
        // The register of one account is in the content area.
        bool showsAccountRegister = false;
        bool balanceColumnVisible = false;
        // A register (of an account, a group, all accounts, or search results) is in the
        // content area, with these transactions selected.
        bool showsRegister = false;
        std::vector<Transaction*> selectedTransactions{};
        // The register's table has the keyboard focus: Delete acts on its selection.
        bool registerHasFocus = false;
        // The budget view shows a side with a category row selected.
        bool budgetLimitSelected = false;
        bool canUndo = false;
        bool canRedo = false;
    };

    // While the welcome window is up only the support page can be opened. The title is given
    // for the commands whose title follows the selection.
    static MenuItemState validate(MenuCommand command, const State& state);

private:
    static MenuItemState validateSelectionCommand(MenuCommand command, const State& state);
};
