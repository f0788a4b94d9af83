#pragma once

// The commands of the main menu and the toolbar strip. Each has one QAction; menu
// validation decides per command whether it is enabled and what its title is.
enum class MenuCommand {
    NewAccount,
    NewAccountGroup,
    NewBudget,
    ImportFromBank,
    ImportFromApp,
    SaveAs,
    ShowWelcomeScreen,
    QuitSample,
    Undo,
    Redo,
    DeleteItem,
    Rename,
    StartSearch,
    ShowPreferencePanel,
    NewTransaction,
    Transfer,
    ToggleScheduledTransactions,
    EditAccount,
    ToggleBalanceColumn,
    ToggleStatusMessage,
    SizeForScreenshot,
    ShowMainWindow,
    ShowWebsite,
    ShowSupport,
};
