#pragma once

#include <QAbstractItemModel>
#include <QIcon>
#include <functional>
#include <vector>

#include "ledger/CategoryOutline.h"

class Category;
class CategoryGroup;
class ManagedObject;
class ObjectContext;

// The categories pane's outline over one store: the groups and the categories without a
// group at the top level, a group's categories under it, each level in name order. Columns:
// the name (edited in place) and the number of splits that use the row. The rows are read
// from the store on reload() and stay as read until the next one.
//
// Only categories are dragged (as kMimeType, "PNCategoriesPasteboardType"); a drop lands on a
// group or on the top level, never on a category. Renaming and dropping go to the handlers the
// owner sets; the model changes nothing itself.
class CategoriesModel final : public QAbstractItemModel {
    Q_OBJECT
public:
    enum Column { NameColumn, UsesColumn, ColumnCount };
    static inline const QString kMimeType =
        QStringLiteral("application/x-PNCategoriesPasteboardType");

    // A name typed for a row. The handler decides and reloads the model as it needs.
    using RenameHandler = std::function<void(const QModelIndex&, const QString&)>;
    // Categories dropped on a group, or on the top level for nullptr. Returns whether it
    // accepted them.
    using DropHandler = std::function<bool(const std::vector<Category*>&, CategoryGroup*)>;

    // REQUIRES: `context` outlives the model.
    explicit CategoriesModel(ObjectContext& context, QObject* parent = nullptr);

    void setRenameHandler(RenameHandler handler) { m_rename = std::move(handler); }
    void setDropHandler(DropHandler handler) { m_drop = std::move(handler); }

    // Reads the outline from the store again (a model reset).
    void reload();

    // The row's category or group (nullptr when the row is of the other kind or invalid).
    Category* categoryAt(const QModelIndex& index) const;
    CategoryGroup* groupAt(const QModelIndex& index) const;
    // The row's category or group, whichever it is.
    ManagedObject* objectAt(const QModelIndex& index) const;
    // The name column's index of a category or group, invalid when it is not shown.
    QModelIndex indexOf(const Category* category) const;
    QModelIndex indexOf(const CategoryGroup* group) const;
    QModelIndex indexOfObject(const ManagedObject* object) const;
    // The categories among `indexes`, each once: what a drag of them carries.
    std::vector<Category*> categoriesAt(const QModelIndexList& indexes) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDragActions() const override { return Qt::MoveAction; }
    Qt::DropActions supportedDropActions() const override { return Qt::MoveAction; }
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

private:
    // The row of a top-level entry's child index is kept in internalId as its parent row + 1;
    // top-level rows have 0.
    const CategoryOutline::Entry* topEntry(const QModelIndex& index) const;
    std::vector<Category*> categoriesIn(const QMimeData* data) const;

    ObjectContext& m_context;
    QIcon m_groupIcon;
    QIcon m_categoryIcon;
    std::vector<CategoryOutline::Entry> m_topLevel;
    std::vector<std::vector<Category*>> m_children;  // per top-level row; empty for a category
    RenameHandler m_rename;
    DropHandler m_drop;
};
