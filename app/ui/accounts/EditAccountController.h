#pragma once

#include <memory>

class Account;
class AccountSheet;
class MainWindowHost;

// The edit-account sheet on the main window: applies the sheet to the account when
// confirmed, saves, and refreshes the source list, the register and the toolbar strip.
class EditAccountController final {
public:
    explicit EditAccountController(MainWindowHost& host);
    ~EditAccountController();

    void run(Account& account);
    AccountSheet* sheet() const { return m_sheet.get(); }

private:
    MainWindowHost& m_host;
    std::unique_ptr<AccountSheet> m_sheet;
};
