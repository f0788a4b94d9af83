#include "AppImportPlan.h"

#include "base/StringHelpers.h"

namespace {

constexpr const char* kUntitled = "Untitled";

std::optional<std::string> textOf(const ImportDictionary& dictionary, std::string_view key) {
    const ImportValue* value = dictionary.find(key);
    if (value == nullptr || !value->isText() || isBlank_pn(value->text())) {
        return std::nullopt;
    }
    return value->text();
}

std::optional<Decimal> decimalOf(const ImportDictionary& dictionary, std::string_view key) {
    const ImportValue* value = dictionary.find(key);
    return value != nullptr && value->isDecimal() ? std::optional<Decimal>(value->decimal())
                                                  : std::nullopt;
}

const ImportArray& arrayOf(const ImportDictionary& dictionary, std::string_view key) {
    static const ImportArray kEmpty;
    const ImportValue* value = dictionary.find(key);
    return value != nullptr && value->isArray() ? value->array() : kEmpty;
}

// `Transaction 3 of account "Bank"`, for the error texts.
std::string whereIs(const std::optional<std::string>& account, std::size_t index) {
    return "Transaction " + std::to_string(index + 1) + " of account \"" + account.value_or("") +
           "\"";
}

void appendNote(std::optional<std::string>& notes, const std::string& memo) {
    notes = notes ? *notes + " / " + memo : memo;
}

// The splits and the notes they add; with fewer than two split lines, none.
std::vector<AppImportPlan::PlannedSplit> splitsOf(const ImportArray& lines,
                                                  std::optional<std::string>& notes) {
    std::vector<AppImportPlan::PlannedSplit> splits;
    if (lines.size() < 2) {
        return splits;
    }
    for (const ImportValue& value : lines) {
        const ImportDictionary& line = value.dictionary();
        // An unreadable split amount counts as 0, as the store would keep it; the sum check
        // then refuses the transaction unless the other splits cover its amount.
        splits.push_back(
            {textOf(line, "category"), decimalOf(line, "amount").value_or(0).rounded(2)});
        if (std::optional<std::string> memo = textOf(line, "memo")) {
            appendNote(notes, *memo);
        }
    }
    return splits;
}

std::optional<std::string> splitSumProblem(const AppImportPlan::PlannedTransaction& planned,
                                           const std::string& where) {
    if (planned.splits.empty()) {
        return std::nullopt;
    }
    Decimal sum;
    for (const AppImportPlan::PlannedSplit& split : planned.splits) {
        sum += split.amount;
    }
    if (sum == planned.amount) {
        return std::nullopt;
    }
    return where + " has splits that add up to " + sum.toString(2) + ", not to its amount " +
           planned.amount.toString(2) + ".";
}

}  // namespace

std::variant<AppImportPlan, std::string> AppImportPlan::fromAccountList(
    const ImportArray& accounts) {
    AppImportPlan plan;
    for (const ImportValue& accountValue : accounts) {
        const ImportDictionary& account = accountValue.dictionary();
        PlannedAccount planned{textOf(account, "name"), {}};
        const ImportArray& transactions = arrayOf(account, "transactions");
        planned.transactions.reserve(transactions.size());
        for (std::size_t i = 0; i < transactions.size(); ++i) {
            const ImportDictionary& entry = transactions[i].dictionary();
            const ImportValue* date = entry.find("date");
            std::optional<Decimal> amount = decimalOf(entry, "amount");
            // Dating it today or counting it as 0 would put a wrong figure in the ledger.
            if (date == nullptr || !date->isDate()) {
                return whereIs(planned.name, i) + " has no readable date.";
            }
            if (!amount) {
                return whereIs(planned.name, i) + " has no readable amount.";
            }
            PlannedTransaction transaction{date->date(),
                                           amount->rounded(2),
                                           textOf(entry, "payee").value_or(kUntitled),
                                           textOf(entry, "memo"),
                                           textOf(entry, "category"),
                                           {}};
            transaction.splits = splitsOf(arrayOf(entry, "splits"), transaction.notes);
            if (auto problem = splitSumProblem(transaction, whereIs(planned.name, i))) {
                return *problem;
            }
            planned.transactions.push_back(std::move(transaction));
        }
        plan.m_accounts.push_back(std::move(planned));
    }
    return plan;
}
