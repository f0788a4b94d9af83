#include "ui/register/RegisterModel.h"

#include <QStringList>

#include "base/CacheFetch.h"
#include "ledger/RegisterRowLook.h"
#include "ledger/RegisterRows.h"
#include "ledger/RegisterTexts.h"
#include "ledger/Transaction.h"

namespace {

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

RegisterRowLook::Column lookColumn(int column) {
    switch (column) {
        case RegisterModel::DateColumn:
            return RegisterRowLook::Column::Date;
        case RegisterModel::DescriptionColumn:
            return RegisterRowLook::Column::Description;
        case RegisterModel::CategoryColumn:
            return RegisterRowLook::Column::Category;
        case RegisterModel::AmountColumn:
            return RegisterRowLook::Column::Amount;
        case RegisterModel::BalanceColumn:
            return RegisterRowLook::Column::Balance;
        default:
            return RegisterRowLook::Column::Flag;
    }
}

}  // namespace

RegisterModel::RegisterModel(RegisterRows& rows, RegisterTexts& texts, QObject* parent)
    : QAbstractTableModel(parent), m_rows(rows), m_texts(texts) {}

int RegisterModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int RegisterModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

Transaction* RegisterModel::transactionAt(int row) const {
    if (row < 0 || row >= rowCount()) {
        return nullptr;
    }
    return m_rows.at(static_cast<std::size_t>(row));
}

int RegisterModel::rowOf(const Transaction& transaction) const {
    const std::optional<std::size_t> row = m_rows.rowOf(transaction);
    return row ? static_cast<int>(*row) : -1;
}

RegisterRowHeight::Lines RegisterModel::linesAt(int row) const {
    // Rows are mostly measured one after the other (all of them when the register is shown).
    if (const auto ahead = static_cast<std::size_t>(row) + kFetchAhead; ahead < m_rows.size()) {
        fetchIntoCache(m_rows.at(ahead));
    }
    return RegisterRowHeight::lines(*m_rows.at(static_cast<std::size_t>(row)));
}

QVariant RegisterModel::cellText(int column, Transaction& transaction) const {
    switch (column) {
        case DateColumn:
            return qs(m_texts.date(transaction));
        case DescriptionColumn:
            return qs(transaction.title().value_or(""));
        case CategoryColumn: {
            QStringList lines;
            for (const RegisterTexts::CategoryLine& line : m_texts.categoryLines(transaction)) {
                lines << qs(line.label + line.amount);
            }
            return lines.join('\n');
        }
        case AmountColumn:
            return qs(m_texts.amount(transaction));
        case BalanceColumn:
            return qs(m_texts.runningBalance(transaction));
        default:
            return {};
    }
}

QVariant RegisterModel::cellColor(int column, const Transaction& transaction, bool highlighted,
                                  bool secondary) const {
    const RegisterRowLook::Colors colors =
        RegisterRowLook::colors(lookColumn(column), transaction, highlighted);
    return qs(secondary ? colors.secondary : colors.text);
}

QVariant RegisterModel::data(const QModelIndex& index, int role) const {
    Transaction* transaction = index.isValid() ? transactionAt(index.row()) : nullptr;
    if (transaction == nullptr) {
        return {};
    }
    const int column = index.column();
    switch (role) {
        case Qt::DisplayRole:
            return cellText(column, *transaction);
        case Qt::TextAlignmentRole:
            return column == AmountColumn || column == BalanceColumn
                       ? QVariant(Qt::AlignRight | Qt::AlignTop)
                       : QVariant(Qt::AlignLeft | Qt::AlignTop);
        case TransactionRole:
            return QVariant::fromValue(static_cast<void*>(transaction));
        case FlagImageRole:
            return qs(RegisterRowLook::imageName(
                RegisterRowLook::flag(*transaction, index.row() == m_mouseOverFlagRow)));
        case TitleRole:
            return qs(transaction->title().value_or(""));
        case NotesRole: {
            const std::optional<std::string> notes = RegisterRowLook::shownNotes(*transaction);
            return notes ? QVariant(qs(*notes)) : QVariant();
        }
        case CheckNumberRole: {
            const std::optional<std::string> number = m_texts.checkNumber(*transaction);
            return number ? QVariant(qs(*number)) : QVariant();
        }
        case CategoryLabelsRole:
        case CategoryAmountsRole: {
            QStringList texts;
            for (const RegisterTexts::CategoryLine& line : m_texts.categoryLines(*transaction)) {
                texts << qs(role == CategoryLabelsRole ? line.label : line.amount);
            }
            return texts;
        }
        case IsGeneratedRole:
            return transaction->isGenerated();
        case NoteLinesRole:
            return RegisterRowHeight::lines(*transaction).notes;
        case CategoryLinesRole:
            return RegisterRowHeight::lines(*transaction).categories;
        case TextColorRole:
        case SecondaryColorRole:
        case HighlightedTextColorRole:
        case HighlightedSecondaryColorRole:
            return cellColor(
                column, *transaction,
                role == HighlightedTextColorRole || role == HighlightedSecondaryColorRole,
                role == SecondaryColorRole || role == HighlightedSecondaryColorRole);
        default:
            return {};
    }
}

QVariant RegisterModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    switch (section) {
        case DateColumn:
            return tr("Date");
        case DescriptionColumn:
            return tr("Description");
        case CategoryColumn:
            return tr("Category");
        case AmountColumn:
            return tr("Amount");
        case BalanceColumn:
            return tr("Balance");
        default:
            return QString();
    }
}

QHash<int, QByteArray> RegisterModel::roleNames() const {
    QHash<int, QByteArray> names = QAbstractTableModel::roleNames();
    names.insert(TransactionRole, "transaction");
    names.insert(FlagImageRole, "flagImage");
    names.insert(TitleRole, "title");
    names.insert(NotesRole, "notes");
    names.insert(CheckNumberRole, "checkNumber");
    names.insert(CategoryLabelsRole, "categoryLabels");
    names.insert(CategoryAmountsRole, "categoryAmounts");
    names.insert(IsGeneratedRole, "isGenerated");
    names.insert(NoteLinesRole, "noteLines");
    names.insert(CategoryLinesRole, "categoryLines");
    names.insert(TextColorRole, "textColor");
    names.insert(SecondaryColorRole, "secondaryColor");
    names.insert(HighlightedTextColorRole, "highlightedTextColor");
    names.insert(HighlightedSecondaryColorRole, "highlightedSecondaryColor");
    return names;
}

void RegisterModel::setMouseOverFlagRow(int row) {
    if (row == m_mouseOverFlagRow) {
        return;
    }
    const int old = m_mouseOverFlagRow;
    m_mouseOverFlagRow = row;
    for (const int changed : {old, row}) {
        if (changed >= 0 && changed < rowCount()) {
            emit dataChanged(index(changed, FlagColumn), index(changed, FlagColumn),
                             {FlagImageRole});
        }
    }
}

void RegisterModel::reload(const std::function<void()>& change) {
    beginResetModel();
    m_mouseOverFlagRow = -1;
    change();
    endResetModel();
}

void RegisterModel::rowChanged(int row) {
    if (row >= 0 && row < rowCount()) {
        emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
    }
}

int RegisterModel::insertTransaction(Transaction& transaction) {
    const int row = static_cast<int>(m_rows.insertionRow(transaction));
    beginInsertRows({}, row, row);
    m_rows.insert(transaction);
    endInsertRows();
    return row;
}

void RegisterModel::removeTransactionAt(int row) {
    beginRemoveRows({}, row, row);
    m_rows.remove(static_cast<std::size_t>(row));
    endRemoveRows();
}

int RegisterModel::resortRow(int row) {
    const int to = static_cast<int>(m_rows.resortedRow(static_cast<std::size_t>(row)));
    if (to != row) {
        // Qt counts the destination before the move: below the row, one further down.
        beginMoveRows({}, row, row, {}, to > row ? to + 1 : to);
        m_rows.resort(static_cast<std::size_t>(row));
        endMoveRows();
    }
    rowChanged(to);
    return to;
}
