#pragma once

#include <memory>

class AccountSheet;
class AppController;
class ApplicationDelegate;

// The new-account sheet on the main window: creates the account when confirmed, selects it,
// saves, then shows the help sheet for its kind while that sheet's default is on.
class NewAccountController final {
public:
    NewAccountController(AppController& controller, ApplicationDelegate& delegate);
    ~NewAccountController();

    void run();
    AccountSheet* sheet() const { return m_sheet.get(); }

private:
    AppController& m_controller;
    ApplicationDelegate& m_delegate;
    std::unique_ptr<AccountSheet> m_sheet;
};
