#include "ui/accounts/EditAccountController.h"

#include "ledger/Account.h"
#include "ledger/Global.h"
#include "ui/accounts/AccountSheet.h"
#include "ui/common/MainWindowHost.h"

EditAccountController::EditAccountController(MainWindowHost& host) : m_host(host) {}

EditAccountController::~EditAccountController() = default;

void EditAccountController::run(Account& account) {
    ObjectContext& context = m_host.context();
    if (!m_sheet) {
        m_sheet = std::make_unique<AccountSheet>(AccountSheet::Kind::Edit, &m_host.window());
    }
    m_sheet->setup(context, AccountSheetFields::forAccount(account));
    if (m_sheet->exec() != 1) {
        return;
    }
    AccountSheets::confirmEdit(account, m_sheet->fields().asEdit(),
                               Global::sharedInstanceInContext(context)->isShowingProjection(),
                               Date::today_PN());
    m_host.save();
    // The reload runs the selection handling, which refreshes the register and the strip.
    m_host.reloadSourceList();
}
