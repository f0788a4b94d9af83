#pragma once

#include <QAbstractTableModel>
#include <string>
#include <vector>

class Currency;
class ObjectContext;

// The currencies pane's table over one store: every currency but the home currency, by
// name, with its code and its rate. The rate column is headed "Units per <home code>". Rows
// are read from the store on reload() (the switch of the home currency replaces every
// Currency).
class CurrenciesModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { NameColumn, CodeColumn, RateColumn, ColumnCount };

    // REQUIRES: `context` outlives the model.
    explicit CurrenciesModel(ObjectContext& context, QObject* parent = nullptr);

    void reload();
    Currency* currencyAt(int row) const;
    const std::vector<Currency*>& currencies() const { return m_currencies; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    ObjectContext& m_context;
    std::vector<Currency*> m_currencies;
    std::string m_homeCode;
};
