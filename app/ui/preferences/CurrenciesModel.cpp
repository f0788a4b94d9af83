#include "ui/preferences/CurrenciesModel.h"

#include "ledger/Currency.h"
#include "ledger/HomeCurrencyChoice.h"

CurrenciesModel::CurrenciesModel(ObjectContext& context, QObject* parent)
    : QAbstractTableModel(parent), m_context(context) {
    reload();
}

void CurrenciesModel::reload() {
    beginResetModel();
    m_currencies = HomeCurrencyChoice::currenciesByName(m_context);
    m_homeCode = HomeCurrencyChoice::homeCode(m_context);
    endResetModel();
}

Currency* CurrenciesModel::currencyAt(int row) const {
    return row >= 0 && row < rowCount() ? m_currencies[static_cast<std::size_t>(row)] : nullptr;
}

int CurrenciesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_currencies.size());
}

int CurrenciesModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CurrenciesModel::data(const QModelIndex& index, int role) const {
    const Currency* currency = index.isValid() ? currencyAt(index.row()) : nullptr;
    if (currency == nullptr) {
        return {};
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(index.column() == RateColumn ? Qt::AlignRight | Qt::AlignVCenter
                                                                : Qt::AlignLeft | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    switch (index.column()) {
        case NameColumn:
            return QString::fromStdString(currency->name());
        case CodeColumn:
            return QString::fromStdString(currency->code());
        case RateColumn:
            return QString::fromStdString(currency->rate().toString());
        default:
            return {};
    }
}

QVariant CurrenciesModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(section == RateColumn ? Qt::AlignRight | Qt::AlignVCenter
                                                         : Qt::AlignLeft | Qt::AlignVCenter);
    }
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    switch (section) {
        case NameColumn:
            return tr("Currency");
        case CodeColumn:
            return tr("Code");
        case RateColumn:
            return tr("Units per %1").arg(QString::fromStdString(m_homeCode));
        default:
            return {};
    }
}
