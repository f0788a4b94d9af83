#pragma once

#include <memory>

class AccountSheet;
class MainWindowHost;

// The new-account sheet on the main window: creates the account when confirmed, selects it,
// saves, then shows the help sheet for its kind while that sheet's default is on.
class NewAccountController final {
public:
    explicit NewAccountController(MainWindowHost& host);
    ~NewAccountController();

    void run();
    AccountSheet* sheet() const { return m_sheet.get(); }

private:
    void showHelpSheet(bool cash);

    MainWindowHost& m_host;
    std::unique_ptr<AccountSheet> m_sheet;
};
