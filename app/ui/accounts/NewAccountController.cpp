#include "ui/accounts/NewAccountController.h"

#include "ledger/Account.h"
#include "ui/accounts/AccountSheet.h"
#include "ui/shell/AppController.h"
#include "ui/shell/ApplicationDelegate.h"
#include "ui/shell/MainWindow.h"
#include "ui/sourcelist/SourceListModel.h"

NewAccountController::NewAccountController(AppController& controller, ApplicationDelegate& delegate)
    : m_controller(controller), m_delegate(delegate) {}

NewAccountController::~NewAccountController() = default;

void NewAccountController::run() {
    ObjectContext& context = *m_controller.managedObjectContext();
    if (!m_sheet) {
        m_sheet = std::make_unique<AccountSheet>(AccountSheet::Kind::New, &m_controller.window());
    }
    m_sheet->setup(context, AccountSheetFields::forNewAccount(context));
    if (m_sheet->exec() != 1) {
        return;
    }
    const AccountSheetFields fields = m_sheet->fields();
    Account* account = &AccountSheets::confirmNewAccount(context, *m_controller.accountsRoot(),
                                                         fields.asNewAccount());
    m_controller.sourceListModel()->reload();
    m_controller.selectItem(SourceListItem::forObject(account));
    m_controller.reloadSourceList();
    m_delegate.save();
    m_delegate.showHelpSheetAfterNewAccount(*account);
}
