#include "ui/trends/TrendsMenuModel.h"

#include <QFont>

TrendsMenuModel::TrendsMenuModel(ObjectContext& context, QObject* parent)
    : QAbstractListModel(parent), m_context(context) {
    reload();
}

void TrendsMenuModel::reload() {
    beginResetModel();
    m_rows.clear();
    for (const char* title : TrendsMenuEntries::kFixedTitles) {
        m_rows.push_back({tr(title), Row::Type::Series, TrendSeries::kindForTitle(title)});
    }
    m_rows.push_back({QString(), Row::Type::Separator});
    for (const auto& entry : TrendsMenuEntries::categoryEntries(m_context)) {
        Row row;
        row.title = QString::fromStdString(entry.title);
        row.indented = entry.indented;
        if (entry.isGroupTitle) {
            row.type = Row::Type::GroupTitle;
        } else {
            row.kind = TrendSeries::Kind::Category;
            row.category = entry.category.value_or(nullptr);
        }
        m_rows.push_back(row);
    }
    endResetModel();
}

int TrendsMenuModel::rowForCategory(const Category* category) const {
    if (category == nullptr) {
        return -1;
    }
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].category == category) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool TrendsMenuModel::isSeriesRow(int row) const {
    return row >= 0 && row < rowCount() && m_rows[row].type == Row::Type::Series;
}

TrendSeries::Kind TrendsMenuModel::kindAt(int row) const {
    return m_rows.at(row).kind;
}

const Category* TrendsMenuModel::categoryAt(int row) const {
    return m_rows.at(row).category;
}

int TrendsMenuModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

QVariant TrendsMenuModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const Row& row = m_rows[index.row()];
    switch (role) {
        case Qt::DisplayRole:
            return row.indented ? QStringLiteral("    ") + row.title : row.title;
        case Qt::FontRole:
            if (row.type == Row::Type::GroupTitle) {
                QFont font;
                font.setPixelSize(13);
                font.setBold(true);
                return font;
            }
            return {};
        case Qt::AccessibleDescriptionRole:
            // What QComboBox's menu delegate draws as a separator line.
            return row.type == Row::Type::Separator ? QStringLiteral("separator") : QVariant();
        case KindRole:
            return row.type == Row::Type::Series ? QVariant(static_cast<int>(row.kind))
                                                 : QVariant();
        case CategoryRole:
            return QVariant::fromValue(reinterpret_cast<quintptr>(row.category));
        case IsSeparatorRole:
            return row.type == Row::Type::Separator;
        default:
            return {};
    }
}

Qt::ItemFlags TrendsMenuModel::flags(const QModelIndex& index) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return Qt::NoItemFlags;
    }
    return m_rows[index.row()].type == Row::Type::Series ? Qt::ItemIsEnabled | Qt::ItemIsSelectable
                                                         : Qt::NoItemFlags;
}
