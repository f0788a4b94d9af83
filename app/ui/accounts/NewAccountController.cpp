#include "ui/accounts/NewAccountController.h"

#include "ledger/Account.h"
#include "ui/accounts/AccountSheet.h"
#include "ui/common/DefaultsKeys.h"
#include "ui/common/MainWindowHost.h"
#include "ui/common/SimpleSheetController.h"
#include "ui/common/UserDefaults.h"

NewAccountController::NewAccountController(MainWindowHost& host) : m_host(host) {}

NewAccountController::~NewAccountController() = default;

void NewAccountController::run() {
    ObjectContext& context = m_host.context();
    if (!m_sheet) {
        m_sheet = std::make_unique<AccountSheet>(AccountSheet::Kind::New, &m_host.window());
    }
    m_sheet->setup(context, AccountSheetFields::forNewAccount(context));
    if (m_sheet->exec() != 1) {
        return;
    }
    const AccountSheetFields fields = m_sheet->fields();
    Account& account =
        AccountSheets::confirmNewAccount(context, m_host.accountsRoot(), fields.asNewAccount());
    m_host.reloadSourceList();
    m_host.selectSourceListItem(SourceListItem::forObject(&account));
    m_host.save();
    showHelpSheet(account.type() == std::optional<std::string>(kAccountTypeCash));
}

// A cash account gets its own help; every other kind the general one.
void NewAccountController::showHelpSheet(bool cash) {
    const QString layout = cash ? QStringLiteral("CashAccountHelp") : QStringLiteral("AccountHelp");
    const QString key =
        cash ? DefaultsKeys::kShouldShowCashAccountHelp : DefaultsKeys::kShouldShowAccountHelp;
    if (!m_host.defaults().boolForKey(key)) {
        return;
    }
    SimpleSheetController sheet(layout, m_host.defaults(), &m_host.window());
    sheet.beginSheet(&m_host.window());
}
