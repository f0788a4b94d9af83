#include "ledger/TransactionSearch.h"

#include <string>

#include "base/TextFolding.h"
#include "ledger/Account.h"
#include "ledger/AccountGroup.h"
#include "ledger/KeywordIndex.h"
#include "ledger/Transaction.h"
#include "store/ObjectContext.h"

std::vector<Transaction*> TransactionSearch::search(ObjectContext& context, Scope scope,
                                                    std::string_view text) {
    KeywordIndex& index = KeywordIndex::of(context);
    const std::string folded = foldForComparison(text);
    std::vector<Transaction*> found;
    const auto consider = [&](Transaction* transaction) {
        if (index.contains(*transaction, folded)) {
            found.push_back(transaction);
        }
    };
    if (scope.account != nullptr) {
        for (Transaction* transaction : scope.account->transactions()) {
            consider(transaction);
        }
    } else if (scope.group != nullptr) {
        for (Transaction* transaction : scope.group->transactions()) {
            consider(transaction);
        }
    } else {
        context.forEachObject(Transaction::entityDescription(), [&](ManagedObject& object) {
            consider(static_cast<Transaction*>(&object));
            return true;
        });
    }
    Transaction::sortInStandardOrder(found);
    return found;
}
