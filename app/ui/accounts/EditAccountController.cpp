#include "ui/accounts/EditAccountController.h"

#include "ledger/Account.h"
#include "ledger/Global.h"
#include "ui/accounts/AccountSheet.h"
#include "ui/shell/AppController.h"
#include "ui/shell/ApplicationDelegate.h"
#include "ui/shell/MainWindow.h"

EditAccountController::EditAccountController(AppController& controller,
                                             ApplicationDelegate& delegate)
    : m_controller(controller), m_delegate(delegate) {}

EditAccountController::~EditAccountController() = default;

void EditAccountController::run(Account& account) {
    ObjectContext& context = *m_controller.managedObjectContext();
    if (!m_sheet) {
        m_sheet = std::make_unique<AccountSheet>(AccountSheet::Kind::Edit, &m_controller.window());
    }
    m_sheet->setup(context, AccountSheetFields::forAccount(account));
    if (m_sheet->exec() != 1) {
        return;
    }
    AccountSheets::confirmEdit(account, m_sheet->fields().asEdit(),
                               Global::sharedInstanceInContext(context)->isShowingProjection(),
                               Date::today_PN());
    m_delegate.save();
    m_controller.reloadSourceList();
    m_controller.updateToolbar();
}
