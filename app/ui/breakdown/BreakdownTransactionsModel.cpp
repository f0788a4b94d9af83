#include "ui/breakdown/BreakdownTransactionsModel.h"

#include <algorithm>
#include <utility>

#include "base/AssertionFailure.h"
#include "ledger/Account.h"
#include "ledger/RegisterCategoryText.h"
#include "ledger/Transaction.h"

BreakdownTransactionsModel::BreakdownTransactionsModel(QObject* parent)
    : QAbstractTableModel(parent), m_dateFormatter(DateFormatter::defaultDateFormatter_PN()) {}

BreakdownTransactionsModel::~BreakdownTransactionsModel() = default;

void BreakdownTransactionsModel::setTransactions(std::vector<Transaction*> transactions) {
    // The report hands them over in no particular order; a list reads best by date.
    std::stable_sort(
        transactions.begin(), transactions.end(), [](const Transaction* a, const Transaction* b) {
            return std::pair(a->date(), a->sortID()) < std::pair(b->date(), b->sortID());
        });
    beginResetModel();
    m_transactions = std::move(transactions);
    m_formatters.clear();
    endResetModel();
}

int BreakdownTransactionsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_transactions.size());
}

int BreakdownTransactionsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Columns;
}

QVariant BreakdownTransactionsModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return {};
    }
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
        return text(*m_transactions[index.row()], index.column());
    }
    if (role == Qt::TextAlignmentRole && index.column() == AmountColumn) {
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    }
    return {};
}

QVariant BreakdownTransactionsModel::headerData(int section, Qt::Orientation orientation,
                                                int role) const {
    if (orientation != Qt::Horizontal) {
        return {};
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue((section == AmountColumn ? Qt::AlignRight : Qt::AlignLeft) |
                                   Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    switch (section) {
        case DateColumn:
            return tr("Date");
        case AccountColumn:
            return tr("Account");
        case TitleColumn:
            return tr("Description");
        case CategoryColumn:
            return tr("Category");
        case AmountColumn:
            return tr("Amount");
        default:
            return {};
    }
}

QString BreakdownTransactionsModel::text(const Transaction& transaction, int column) const {
    switch (column) {
        case DateColumn:
            return QString::fromStdString(m_dateFormatter.stringFromDate(transaction.date()));
        case AccountColumn:
            return transaction.account() != nullptr
                       ? QString::fromStdString(transaction.account()->name())
                       : QString();
        case TitleColumn:
            return QString::fromStdString(transaction.title().value_or(""));
        case CategoryColumn: {
            QStringList parts;
            for (const RegisterCategoryText::Line& line :
                 RegisterCategoryText::lines(transaction)) {
                const std::string amount =
                    line.amount ? formatterFor(transaction).stringFromDecimal(*line.amount) : "";
                parts << QString::fromStdString(line.label + amount);
            }
            return parts.join(QStringLiteral(", "));
        }
        case AmountColumn:
            return QString::fromStdString(
                formatterFor(transaction).stringFromDecimal(transaction.amount()));
        default:
            return {};
    }
}

const CurrencyFormatter& BreakdownTransactionsModel::formatterFor(
    const Transaction& transaction) const {
    const Account* account = transaction.account();
    PN_ASSERT(account != nullptr, "a listed transaction has no account");
    auto found = m_formatters.find(account);
    if (found == m_formatters.end()) {
        found =
            m_formatters.emplace(account, CurrencyFormatter::formatterForAccount(*account)).first;
    }
    return found->second;
}
