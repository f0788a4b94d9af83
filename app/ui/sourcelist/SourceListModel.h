#pragma once

#include <QAbstractItemModel>
#include <QIcon>
#include <functional>

#include "session/SourceListDropRules.h"
#include "session/SourceListItem.h"
#include "session/SourceListTree.h"
#include "store/ContextObserver.h"

class Node;
class ObjectContext;

// The main window's source list over one store context, adapting the core's SourceListTree:
// the rows are read from the store on reload(); names, icons and the badge are read live.
// Renaming and dropping are forwarded to the handlers the owner sets.
//
// The model watches the context and emits needsReload() (once, queued) after changes that
// may move rows, unless reload() ran in the meantime.
class SourceListModel final : public QAbstractItemModel, private ContextObserver {
    Q_OBJECT
public:
    enum Role {
        BadgeRole = Qt::UserRole + 1,  // int: red "Scheduled" count, 0 for no badge
        IsHeaderRole,
    };
    static inline const QString kNodeMimeType = QStringLiteral("application/x-myNodesPBoardType");

    using RenameHandler = std::function<void(const SourceListItem&, const QString&)>;
    using DropHandler = std::function<bool(const SourceListDropRules::Proposal&)>;

    // REQUIRES: `context` and `root` outlive the model.
    SourceListModel(ObjectContext& context, Node& root, QObject* parent = nullptr);
    ~SourceListModel() override;

    void setRenameHandler(RenameHandler handler) { m_rename = std::move(handler); }
    void setDropHandler(DropHandler handler) { m_drop = std::move(handler); }

    // Reads the rows from the store again (a model reset).
    void reload();

    SourceListItem itemForIndex(const QModelIndex& index) const;
    // The index of `item`, invalid when it is not shown.
    QModelIndex indexForItem(const SourceListItem& item) const;
    bool shouldShowScheduled() const { return m_tree.shouldShowScheduled(); }
    const SourceListTree& tree() const { return m_tree; }
    // The node of the drag in progress (an account or group), or nothing.
    SourceListItem draggedItem() const { return m_dragged; }
    void forgetDraggedItem() { m_dragged = {}; }

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDropActions() const override { return Qt::MoveAction; }
    Qt::DropActions supportedDragActions() const override { return Qt::MoveAction; }
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

signals:
    void needsReload();

private:
    static quintptr idForItem(const SourceListItem& item);
    SourceListItem itemForId(quintptr id) const;
    QString titleOf(const SourceListItem& item) const;
    QIcon iconOf(const SourceListItem& item) const;
    SourceListDropRules::Proposal proposalFor(int row, const QModelIndex& parent) const;

    void scheduleReload();
    void objectInserted(ManagedObject& object) override;
    void objectRemoved(ManagedObject& object) override;
    void relationshipLinked(ManagedObject& object, const RelationshipDescription& relationship,
                            ManagedObject& target) override;
    void attributeDidChange(ManagedObject& object, const AttributeDescription& attribute) override;

    ObjectContext& m_context;
    SourceListTree m_tree;
    bool m_reloadPending = false;
    mutable SourceListItem m_dragged;
    RenameHandler m_rename;
    DropHandler m_drop;
    QIcon m_accountIcon, m_closedAccountIcon, m_folderIcon, m_budgetIcon, m_allAccountsIcon,
        m_scheduledIcon, m_breakdownIcon, m_trendsIcon;
};
