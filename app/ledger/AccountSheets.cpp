#include "ledger/AccountSheets.h"

#include <array>

#include "ledger/Account.h"
#include "store/ObjectContext.h"

namespace {

constexpr std::array<const char*, 5> kTypesByPosition = {kAccountTypeChecking, kAccountTypeSavings,
                                                         kAccountTypeCreditCard, kAccountTypeCash,
                                                         kAccountTypeOther};

AccountSheets::TransferRegeneration& transferRegeneration() {
    static AccountSheets::TransferRegeneration regeneration;
    return regeneration;
}

}  // namespace

std::string AccountSheets::typeAtPosition(int position) {
    if (position < 0 || position >= static_cast<int>(kTypesByPosition.size())) {
        return kAccountTypeOther;
    }
    return kTypesByPosition[static_cast<std::size_t>(position)];
}

int AccountSheets::positionOfType(const std::optional<std::string>& type) {
    for (std::size_t i = 0; i < kTypesByPosition.size(); ++i) {
        if (type == kTypesByPosition[i]) {
            return static_cast<int>(i);
        }
    }
    return static_cast<int>(kTypesByPosition.size()) - 1;
}

Account& AccountSheets::confirmNewAccount(ObjectContext& context, Node& root,
                                          const NewAccount& fields) {
    Account* account = context.insert<Account>();
    account->moveTo(&root, static_cast<std::int64_t>(root.children().size()));
    account->setName(fields.name);
    account->setType(typeAtPosition(fields.typePosition));
    account->setCurrency(fields.currency);
    account->setStartBalance(fields.startBalance);
    account->setStartBalanceDate(fields.startBalanceDate);
    return *account;
}

bool AccountSheets::showsHelpAfterCreating(const Account& account) {
    const int position = positionOfType(account.type());
    return position == positionOfType(std::string(kAccountTypeCash)) ||
           position == positionOfType(std::string(kAccountTypeOther));
}

void AccountSheets::confirmEdit(Account& account, const Edit& fields, bool projectionShown,
                                Date today) {
    account.setName(fields.name);
    account.setType(typeAtPosition(fields.typePosition));
    if (fields.currency != account.currency()) {
        account.setCurrency(fields.currency);
        if (projectionShown && transferRegeneration()) {
            transferRegeneration()(account);
        }
    }
    if (!(fields.startBalance == account.startBalance())) {
        account.setStartBalance(fields.startBalance);
        const std::optional<Date> earliest = account.dateOfEarliestTransaction();
        account.setStartBalanceDate(earliest ? earliest->daysAgo_PN(1) : today);
    }
    account.setIsClosed(fields.isClosed);
}

void AccountSheets::setTransferRegeneration(TransferRegeneration regeneration) {
    transferRegeneration() = std::move(regeneration);
}
