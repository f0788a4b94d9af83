#include "QifExporter.h"

#include <algorithm>
#include <cstdio>

#include "ledger/Account.h"
#include "ledger/Category.h"
#include "ledger/Split.h"
#include "ledger/Transaction.h"

namespace {

std::string qifDate(Date date) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", date.month_PN(), date.day_pn(),
                  date.year_PN());
    return text;
}

const char* qifType(const Account& account) {
    if (account.type() == std::string(kAccountTypeCreditCard)) {
        return "CCard";
    }
    return account.type() == std::string(kAccountTypeCash) ? "Cash" : "Bank";
}

void writeTransaction(const Transaction& t, std::ostream& out) {
    out << "D" << qifDate(t.date()) << "\nT" << t.amount().toString(2) << "\n";
    if (t.title()) {
        out << "P" << *t.title() << "\n";
    }
    if (t.notes()) {
        out << "M" << *t.notes() << "\n";
    }
    const std::vector<Split*> splits = t.sortedSplits();
    if (splits.size() == 1 && splits.front()->category() != nullptr) {
        out << "L" << splits.front()->category()->name() << "\n";
    }
    if (splits.size() > 1) {
        for (const Split* split : splits) {
            out << "S" << (split->category() != nullptr ? split->category()->name() : "") << "\n$"
                << split->amount().toString(2) << "\n";
        }
    }
    out << "^\n";
}

}  // namespace

void QifExporter::write(ObjectContext& context, std::ostream& out) {
    std::vector<Account*> accounts = Account::allInContext(context);
    std::sort(accounts.begin(), accounts.end(),
              [](const Account* a, const Account* b) { return a->name() < b->name(); });
    for (const Account* account : accounts) {
        out << "!Account\nN" << account->name() << "\nT" << qifType(*account)
            << "\n^\n!Type:" << qifType(*account) << "\n";
        std::vector<Transaction*> transactions = account->orderedTransactions();
        std::reverse(transactions.begin(), transactions.end());
        for (const Transaction* t : transactions) {
            writeTransaction(*t, out);
        }
    }
}
