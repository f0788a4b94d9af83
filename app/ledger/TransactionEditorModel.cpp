#include "ledger/TransactionEditorModel.h"

#include <algorithm>
#include <utility>

#include "base/AssertionFailure.h"
#include "base/NotificationCenter.h"
#include "ledger/Account.h"
#include "ledger/AmountFormatter.h"
#include "ledger/Split.h"
#include "ledger/Transaction.h"
#include "store/ObjectContext.h"

namespace {

std::optional<std::string> unlessEmpty(const std::string& text) {
    return text.empty() ? std::nullopt : std::optional<std::string>(text);
}

// A split as the editor writes it, for comparing with what the transaction holds.
using SplitValue = std::pair<const Category*, Decimal>;

bool sameSplits(std::vector<SplitValue> a, std::vector<SplitValue> b) {
    auto order = [](const SplitValue& x, const SplitValue& y) {
        return x.first != y.first ? std::less<const Category*>()(x.first, y.first)
                                  : x.second < y.second;
    };
    std::sort(a.begin(), a.end(), order);
    std::sort(b.begin(), b.end(), order);
    return a == b;
}

}  // namespace

TransactionEditorModel::TransactionEditorModel()
    : m_dateFormatter(DateFormatter::defaultDateFormatter_PN()) {}

void TransactionEditorModel::setup(Transaction& transaction, bool isAdding, bool isAccountMode) {
    m_transaction = &transaction;
    m_date = transaction.date();
    m_checkNumber = transaction.checkNumber();
    m_title = transaction.title().value_or("");
    m_notes = transaction.notes().value_or("");
    m_amount = isAdding ? std::nullopt : std::optional<Decimal>(transaction.amount());
    m_remainder.reset();
    m_rows.clear();
    const std::vector<Split*> splits = transaction.sortedSplits();
    m_isShowingSplits = splits.size() >= 2;
    m_currentCategory = nullptr;
    if (!m_isShowingSplits) {
        m_currentCategory = splits.empty() ? nullptr : splits.front()->category();
    } else {
        for (const Split* split : splits) {
            m_rows.push_back({split->category(), split->amount(), split->category() != nullptr});
        }
        updateSplitAmount();
    }

    m_advancedRows.clear();
    if (transaction.isMatched()) {
        m_advancedRows.push_back(AdvancedRow::Match);
    }
    if (transaction.isImported()) {
        m_advancedRows.push_back(AdvancedRow::BankData);
    }
    if (!isAccountMode) {
        m_advancedRows.push_back(AdvancedRow::Account);
    }
}

void TransactionEditorModel::clear() {
    m_transaction = nullptr;
    m_rows.clear();
    m_remainder.reset();
    m_currentCategory = nullptr;
    m_advancedRows.clear();
}

void TransactionEditorModel::requireTransaction() const {
    PN_ASSERT(m_transaction != nullptr, "The transaction editor has no transaction");
}

void TransactionEditorModel::amountChanged(std::optional<Decimal> amount) {
    m_amount = std::move(amount);
    if (m_isShowingSplits) {
        updateSplitAmount();
    }
}

void TransactionEditorModel::categoryChanged(Category* category) {
    PN_ASSERT(!m_isShowingSplits, "The single category was changed in split mode");
    m_currentCategory = category;
}

void TransactionEditorModel::split() {
    PN_ASSERT(!m_isShowingSplits, "Split while already showing splits");
    m_rows = {{m_currentCategory, m_amount, false}, {nullptr, std::nullopt, false}};
    m_isShowingSplits = true;
    m_currentCategory = nullptr;
    updateSplitAmount();
}

void TransactionEditorModel::merge() {
    PN_ASSERT(m_isShowingSplits && !m_rows.empty(), "Merge while not showing splits");
    m_currentCategory = m_rows.front().category;
    m_rows.clear();
    m_remainder.reset();
    m_isShowingSplits = false;
}

void TransactionEditorModel::addSplitRow() {
    PN_ASSERT(m_isShowingSplits, "A split row was added in single mode");
    m_rows.push_back({nullptr, Decimal(), false});
    updateSplitAmount();
}

void TransactionEditorModel::removeSplitRow(std::size_t index) {
    PN_ASSERT(m_isShowingSplits && index < m_rows.size(), "No such split row");
    m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(index));
    if (m_rows.size() == 1) {
        merge();
    } else {
        updateSplitAmount();
    }
}

void TransactionEditorModel::rowAmountChanged(std::size_t index, std::optional<Decimal> amount) {
    PN_ASSERT(index < m_rows.size(), "No such split row");
    SplitRow& row = m_rows[index];
    if (amount != row.amount) {
        row.amountChangedByUser = true;
    }
    row.amount = std::move(amount);
    updateSplitAmount();
}

void TransactionEditorModel::rowCategoryChanged(std::size_t index, Category* category) {
    PN_ASSERT(index < m_rows.size(), "No such split row");
    m_rows[index].category = category;
}

void TransactionEditorModel::updateSplitAmount() {
    m_remainder.reset();
    if (m_rows.empty()) {
        return;
    }
    Decimal remainder = AmountFormatter::interpretAmount(m_amount);
    for (const SplitRow& row : m_rows) {
        remainder -= AmountFormatter::interpretAmount(row.amount);
    }
    if (remainder.isZero()) {
        return;
    }
    SplitRow& last = m_rows.back();
    if (last.amountChangedByUser) {
        m_remainder = remainder;
    } else {
        last.amount = AmountFormatter::interpretAmount(last.amount) + remainder;
    }
}

void TransactionEditorModel::writeFieldsToTransaction() {
    requireTransaction();
    m_transaction->setDate(m_date);
    m_transaction->setCheckNumber(m_checkNumber);
    m_transaction->setTitle(unlessEmpty(m_title));
    m_transaction->setAmount(AmountFormatter::interpretAmount(m_amount));
    m_transaction->setNotes(unlessEmpty(m_notes));
    writeCategoriesToTransaction();
}

bool TransactionEditorModel::splitsAlreadyMatch() const {
    const ObjectSet<Split>& splits = m_transaction->splits();
    if (!m_isShowingSplits) {
        // A lone split's own amount is not read: its category is all it says.
        return splits.size() == 1 && (*splits.begin())->category() == m_currentCategory;
    }
    std::vector<SplitValue> held;
    for (const Split* split : splits) {
        held.emplace_back(split->category(), split->amount());
    }
    std::vector<SplitValue> shown;
    for (const SplitRow& row : m_rows) {
        shown.emplace_back(row.category, AmountFormatter::interpretAmount(row.amount));
    }
    return sameSplits(std::move(held), std::move(shown));
}

void TransactionEditorModel::writeCategoriesToTransaction() {
    requireTransaction();
    if (!splitsAlreadyMatch()) {
        ObjectContext& context = *m_transaction->managedObjectContext();
        for (Split* split : m_transaction->splits().toVector()) {
            m_transaction->removeSplitsObject(split);
            context.deleteObject(*split);
        }
        auto addSplit = [&](Category* category, const Decimal& amount) {
            auto* split = context.insert<Split>();
            split->setAmount(amount);
            split->setCategory(category);
            m_transaction->addSplitsObject(split);
        };
        if (m_isShowingSplits) {
            for (const SplitRow& row : m_rows) {
                addSplit(row.category, AmountFormatter::interpretAmount(row.amount));
            }
        } else {
            addSplit(m_currentCategory, m_transaction->amount());
        }
    }
    NotificationCenter::defaultCenter().post(kPNCategoriesChanged);
}

std::string TransactionEditorModel::bankTitle() const {
    requireTransaction();
    return std::string(m_transaction->ofxTitle().value_or(""));
}

std::string TransactionEditorModel::bankDateText() const {
    requireTransaction();
    const std::optional<Date> date = m_transaction->ofxDate();
    return date ? m_dateFormatter.stringFromDate(*date) : std::string();
}

std::string TransactionEditorModel::accountName() const {
    requireTransaction();
    const Account* account = m_transaction->account();
    return account != nullptr ? account->name() : std::string();
}

Alert TransactionEditorModel::undoMatchQuestion() {
    return {"Are you sure you want to undo this match?",
            "You will end up with the original pending transaction and the imported "
            "transaction, which will be marked as new.",
            {"Undo Match", "Cancel"}};
}
