#include "ledger/RegisterCategoryText.h"

#include "ledger/Category.h"
#include "ledger/Split.h"
#include "ledger/Transaction.h"

namespace {

std::string singleSplitText(const Transaction& transaction) {
    const Category* category = (*transaction.splits().begin())->category();
    return category != nullptr ? category->name() : std::string();
}

}  // namespace

std::vector<RegisterCategoryText::Line> RegisterCategoryText::lines(
    const Transaction& transaction) {
    if (transaction.splits().size() == 1) {
        return {Line{singleSplitText(transaction), std::nullopt}};
    }
    std::vector<Line> lines;
    for (const Split* split : transaction.sortedSplits()) {
        const std::string name =
            split->category() != nullptr ? split->category()->name() : "Uncategorized";
        lines.push_back({name + ": ", split->amount()});
    }
    return lines;
}

std::string RegisterCategoryText::plainText(const Transaction& transaction) {
    // Most transactions have one split; their text needs no lines.
    if (transaction.splits().size() == 1) {
        return singleSplitText(transaction);
    }
    std::string text;
    for (const Line& line : lines(transaction)) {
        text += (text.empty() ? "" : "\n") + line.label + line.amount->toString(2);
    }
    return text;
}
