#pragma once

// The commands of the main window's menus and its bottom bar. The desktop gives each one
// action; MenuValidation decides per command whether it is enabled and how it reads.
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
    EditBudget,
    EditLimit,
    ToggleBalanceColumn,
    ToggleStatusMessage,
    SizeForScreenshot,
    ShowMainWindow,
    ShowWebsite,
    ShowSupport,
};
