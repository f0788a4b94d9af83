#pragma once

#include <memory>

class Account;
class AccountSheet;
class AppController;
class ApplicationDelegate;

// The edit-account sheet on the main window: applies the sheet to the account when
// confirmed, saves, and refreshes the register and the toolbar strip.
class EditAccountController final {
public:
    EditAccountController(AppController& controller, ApplicationDelegate& delegate);
    ~EditAccountController();

    void run(Account& account);
    AccountSheet* sheet() const { return m_sheet.get(); }

private:
    AppController& m_controller;
    ApplicationDelegate& m_delegate;
    std::unique_ptr<AccountSheet> m_sheet;
};
