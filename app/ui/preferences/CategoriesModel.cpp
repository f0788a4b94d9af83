#include "ui/preferences/CategoriesModel.h"

#include <QMimeData>
#include <QPixmap>
#include <algorithm>

#include "ledger/Category.h"
#include "ledger/CategoryGroup.h"
#include "store/ObjectContext.h"
#include "ui/common/Images.h"

CategoriesModel::CategoriesModel(ObjectContext& context, QObject* parent)
    : QAbstractItemModel(parent),
      m_context(context),
      m_groupIcon(Images::icon(QStringLiteral("folder_icon"))) {
    // A blank icon keeps a category's name in line with the groups' names beside their icons.
    QPixmap blank(16, 16);
    blank.fill(Qt::transparent);
    m_categoryIcon = QIcon(blank);
    reload();
}

void CategoriesModel::reload() {
    beginResetModel();
    m_topLevel = CategoryOutline::topLevel(m_context);
    m_children.clear();
    m_children.reserve(m_topLevel.size());
    for (const CategoryOutline::Entry& entry : m_topLevel) {
        m_children.push_back(entry.group != nullptr ? CategoryOutline::children(*entry.group)
                                                    : std::vector<Category*>{});
    }
    endResetModel();
}

const CategoryOutline::Entry* CategoriesModel::topEntry(const QModelIndex& index) const {
    if (!index.isValid() || index.internalId() != 0) {
        return nullptr;
    }
    return &m_topLevel[static_cast<std::size_t>(index.row())];
}

Category* CategoriesModel::categoryAt(const QModelIndex& index) const {
    if (!index.isValid()) {
        return nullptr;
    }
    if (index.internalId() != 0) {
        return m_children[index.internalId() - 1][static_cast<std::size_t>(index.row())];
    }
    return topEntry(index)->category;
}

CategoryGroup* CategoriesModel::groupAt(const QModelIndex& index) const {
    const CategoryOutline::Entry* entry = topEntry(index);
    return entry != nullptr ? entry->group : nullptr;
}

ManagedObject* CategoriesModel::objectAt(const QModelIndex& index) const {
    if (Category* category = categoryAt(index)) {
        return category;
    }
    return groupAt(index);
}

QModelIndex CategoriesModel::indexOfObject(const ManagedObject* object) const {
    if (const auto* category = dynamic_cast<const Category*>(object)) {
        return indexOf(category);
    }
    const auto* group = dynamic_cast<const CategoryGroup*>(object);
    return group != nullptr ? indexOf(group) : QModelIndex();
}

QModelIndex CategoriesModel::indexOf(const Category* category) const {
    for (std::size_t top = 0; top < m_topLevel.size(); ++top) {
        if (m_topLevel[top].category == category) {
            return index(static_cast<int>(top), NameColumn);
        }
        const std::vector<Category*>& members = m_children[top];
        const auto found = std::find(members.begin(), members.end(), category);
        if (found != members.end()) {
            return createIndex(static_cast<int>(found - members.begin()), NameColumn,
                               static_cast<quintptr>(top + 1));
        }
    }
    return {};
}

QModelIndex CategoriesModel::indexOf(const CategoryGroup* group) const {
    const auto found = std::find_if(m_topLevel.begin(), m_topLevel.end(),
                                    [&](const auto& entry) { return entry.group == group; });
    return found == m_topLevel.end() ? QModelIndex()
                                     : index(static_cast<int>(found - m_topLevel.begin()), 0);
}

std::vector<Category*> CategoriesModel::categoriesAt(const QModelIndexList& indexes) const {
    std::vector<Category*> categories;
    for (const QModelIndex& index : indexes) {
        Category* category = categoryAt(index);
        if (category != nullptr &&
            std::find(categories.begin(), categories.end(), category) == categories.end()) {
            categories.push_back(category);
        }
    }
    return categories;
}

QModelIndex CategoriesModel::index(int row, int column, const QModelIndex& parent) const {
    if (!hasIndex(row, column, parent)) {
        return {};
    }
    if (!parent.isValid()) {
        return createIndex(row, column, quintptr(0));
    }
    return createIndex(row, column, static_cast<quintptr>(parent.row() + 1));
}

QModelIndex CategoriesModel::parent(const QModelIndex& child) const {
    if (!child.isValid() || child.internalId() == 0) {
        return {};
    }
    return createIndex(static_cast<int>(child.internalId() - 1), 0, quintptr(0));
}

int CategoriesModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid()) {
        return static_cast<int>(m_topLevel.size());
    }
    if (parent.column() != 0 || parent.internalId() != 0) {
        return 0;
    }
    return static_cast<int>(m_children[static_cast<std::size_t>(parent.row())].size());
}

int CategoriesModel::columnCount(const QModelIndex&) const {
    return ColumnCount;
}

QVariant CategoriesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const Category* category = categoryAt(index);
    const CategoryGroup* group = groupAt(index);
    if (index.column() == NameColumn) {
        switch (role) {
            case Qt::DisplayRole:
            case Qt::EditRole:
                return QString::fromStdString(category ? category->name() : group->name());
            case Qt::DecorationRole:
                return group != nullptr ? m_groupIcon : m_categoryIcon;
            default:
                return {};
        }
    }
    if (role == Qt::DisplayRole) {
        return qulonglong(category ? category->numberOfUses() : group->numberOfUses());
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    }
    return {};
}

QVariant CategoriesModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractItemModel::headerData(section, orientation, role);
    }
    return section == NameColumn ? tr("Category") : tr("Uses");
}

bool CategoriesModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || index.column() != NameColumn || role != Qt::EditRole || !m_rename) {
        return false;
    }
    const QPersistentModelIndex row(index);
    m_rename(index, value.toString());
    if (row.isValid()) {
        emit dataChanged(row, row);
    }
    return true;
}

Qt::ItemFlags CategoriesModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::ItemIsDropEnabled;  // the top level
    }
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == NameColumn) {
        flags |= Qt::ItemIsEditable;
    }
    if (groupAt(index) != nullptr) {
        flags |= Qt::ItemIsDropEnabled;
    } else {
        flags |= Qt::ItemIsDragEnabled;
    }
    return flags;
}

QStringList CategoriesModel::mimeTypes() const {
    return {kMimeType};
}

QMimeData* CategoriesModel::mimeData(const QModelIndexList& indexes) const {
    const std::vector<Category*> categories = categoriesAt(indexes);
    if (categories.empty()) {
        return nullptr;  // a drag of groups alone does not start
    }
    QByteArray ids;
    for (const Category* category : categories) {
        ids += QByteArray::number(qulonglong(category->objectID())) + ' ';
    }
    auto* data = new QMimeData;
    data->setData(kMimeType, ids.trimmed());
    return data;
}

std::vector<Category*> CategoriesModel::categoriesIn(const QMimeData* data) const {
    std::vector<Category*> categories;
    for (const QByteArray& id : data->data(kMimeType).split(' ')) {
        bool ok = false;
        const ObjectID objectID = id.toULongLong(&ok);
        ManagedObject* object =
            ok ? m_context.objectWithID(Category::entityDescription(), objectID) : nullptr;
        if (object != nullptr) {
            categories.push_back(static_cast<Category*>(object));
        }
    }
    return categories;
}

bool CategoriesModel::canDropMimeData(const QMimeData* data, Qt::DropAction action, int, int,
                                      const QModelIndex& parent) const {
    if (data == nullptr || !data->hasFormat(kMimeType) || action != Qt::MoveAction) {
        return false;
    }
    // Between rows counts as onto the level those rows are in: the top level, or the group.
    return !parent.isValid() || groupAt(parent) != nullptr;
}

bool CategoriesModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row,
                                   int column, const QModelIndex& parent) {
    if (!canDropMimeData(data, action, row, column, parent) || !m_drop) {
        return false;
    }
    const std::vector<Category*> categories = categoriesIn(data);
    return !categories.empty() && m_drop(categories, groupAt(parent));
}
