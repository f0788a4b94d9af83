#include "ui/preferences/CategoriesController.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTreeView>
#include <QVBoxLayout>
#include <unordered_set>

#include "ledger/Category.h"
#include "ledger/CategoryGroup.h"
#include "ledger/CategoryPaneDecisions.h"
#include "store/ObjectContext.h"
#include "store/UndoGrouping.h"
#include "ui/common/Alerts.h"
#include "ui/common/Images.h"
#include "ui/preferences/CategoriesModel.h"
#include "ui/preferences/CategoryNameDelegate.h"

namespace {

using Decisions = CategoryPaneDecisions;

}  // namespace

CategoriesController::CategoriesController(ObjectContext& context, std::function<bool()> save,
                                           Alerts& alerts)
    : m_context(context), m_save(std::move(save)), m_alerts(alerts) {
    buildView();
    m_outlineView->expandAll();
    NotificationCenter& center = NotificationCenter::defaultCenter();
    m_categoriesObserver = center.observe(kPNCategoriesChanged, [this](const std::string&) {
        if (!m_announcing) {
            reloadData();
        }
    });
    m_undoObserver = center.observe(kUndoManagerDidUndoChange, [this](auto&) { reloadData(); });
    m_redoObserver = center.observe(kUndoManagerDidRedoChange, [this](auto&) { reloadData(); });
}

CategoriesController::~CategoriesController() = default;

QString CategoriesController::title() const {
    return tr("Categories");
}

QIcon CategoriesController::image() const {
    return Images::icon(QStringLiteral("categoriesIcon"));
}

QWidget* CategoriesController::view() {
    return m_view.get();
}

void CategoriesController::buildView() {
    m_view = std::make_unique<QWidget>();
    m_view->setMinimumSize(420, 360);
    m_model = new CategoriesModel(m_context, m_view.get());
    m_model->setRenameHandler(
        [this](const QModelIndex& index, const QString& name) { renameItem(index, name); });
    m_model->setDropHandler([this](const std::vector<Category*>& categories, CategoryGroup* group) {
        return dropCategories(categories, group);
    });

    m_outlineView = new QTreeView(m_view.get());
    m_outlineView->setModel(m_model);
    m_nameDelegate = new CategoryNameDelegate(m_outlineView);
    m_outlineView->setItemDelegateForColumn(CategoriesModel::NameColumn, m_nameDelegate);
    m_outlineView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_outlineView->setEditTriggers(QAbstractItemView::EditKeyPressed |
                                   QAbstractItemView::SelectedClicked |
                                   QAbstractItemView::DoubleClicked);
    m_outlineView->setDragDropMode(QAbstractItemView::DragDrop);
    m_outlineView->setDefaultDropAction(Qt::MoveAction);
    m_outlineView->setDropIndicatorShown(true);
    m_outlineView->setAlternatingRowColors(true);
    m_outlineView->setUniformRowHeights(true);
    m_outlineView->header()->setStretchLastSection(false);
    m_outlineView->header()->setSectionResizeMode(CategoriesModel::NameColumn,
                                                  QHeaderView::Stretch);
    m_outlineView->header()->setSectionResizeMode(CategoriesModel::UsesColumn,
                                                  QHeaderView::ResizeToContents);
    connect(m_outlineView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CategoriesController::selectionDidChange);
    connect(m_outlineView->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &CategoriesController::selectionDidChange);
    connect(m_model, &QAbstractItemModel::modelReset, this,
            &CategoriesController::selectionDidChange);

    auto* remove = new QAction(tr("Delete"), m_outlineView);
    remove->setShortcuts({QKeySequence::Delete, QKeySequence(Qt::Key_Backspace)});
    remove->setShortcutContext(Qt::WidgetShortcut);
    connect(remove, &QAction::triggered, this, &CategoriesController::removeSelectedItem);
    m_outlineView->addAction(remove);

    m_addCategoryButton = new QPushButton(tr("Add Category"), m_view.get());
    m_addGroupButton = new QPushButton(tr("Add Group"), m_view.get());
    m_removeButton = new QPushButton(tr("Delete"), m_view.get());
    for (QPushButton* button : {m_addCategoryButton, m_addGroupButton, m_removeButton}) {
        button->setAutoDefault(false);
    }
    connect(m_addCategoryButton, &QPushButton::clicked, this, &CategoriesController::addCategory);
    connect(m_addGroupButton, &QPushButton::clicked, this, &CategoriesController::addGroup);
    connect(m_removeButton, &QPushButton::clicked, this, &CategoriesController::removeSelectedItem);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_addCategoryButton);
    buttons->addWidget(m_addGroupButton);
    buttons->addStretch();
    buttons->addWidget(m_removeButton);
    auto* layout = new QVBoxLayout(m_view.get());
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addWidget(m_outlineView);
    layout->addLayout(buttons);
    selectionDidChange();
}

// ---- Selection ----

QModelIndex CategoriesController::selectedIndex() const {
    const QModelIndex current = m_outlineView->currentIndex();
    if (current.isValid() &&
        m_outlineView->selectionModel()->isRowSelected(current.row(), current.parent())) {
        return current.siblingAtColumn(CategoriesModel::NameColumn);
    }
    const QModelIndexList rows = m_outlineView->selectionModel()->selectedRows();
    return rows.isEmpty() ? QModelIndex() : rows.back();
}

void CategoriesController::selectionDidChange() {
    m_removeButton->setEnabled(selectedIndex().isValid());
}

void CategoriesController::select(const QModelIndex& index) {
    if (!index.isValid()) {
        return;
    }
    if (index.parent().isValid()) {
        m_outlineView->expand(index.parent());
    }
    m_outlineView->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_outlineView->scrollTo(index);
}

void CategoriesController::selectAndEdit(const QModelIndex& index, const QString& text) {
    if (!index.isValid()) {
        return;  // gone in the meantime (an undo)
    }
    select(index);
    m_outlineView->setFocus();
    if (!text.isNull()) {
        m_nameDelegate->setNextEditorText(text);
    }
    m_outlineView->edit(index);
}

// ---- Reloading ----

void CategoriesController::reloadData() {
    std::vector<const ManagedObject*> selected;
    for (const QModelIndex& row : m_outlineView->selectionModel()->selectedRows()) {
        selected.push_back(m_model->objectAt(row));
    }
    const ManagedObject* current = m_model->objectAt(selectedIndex());
    std::unordered_set<const CategoryGroup*> collapsed;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        const QModelIndex index = m_model->index(row, 0);
        if (m_model->groupAt(index) != nullptr && !m_outlineView->isExpanded(index)) {
            collapsed.insert(m_model->groupAt(index));
        }
    }

    m_model->reload();

    for (int row = 0; row < m_model->rowCount(); ++row) {
        const QModelIndex index = m_model->index(row, 0);
        if (m_model->groupAt(index) != nullptr && !collapsed.contains(m_model->groupAt(index))) {
            m_outlineView->expand(index);
        }
    }
    QItemSelection selection;
    for (const ManagedObject* object : selected) {
        const QModelIndex index = m_model->indexOfObject(object);
        if (index.isValid()) {
            selection.select(index, index.siblingAtColumn(CategoriesModel::ColumnCount - 1));
        }
    }
    QItemSelectionModel* selectionModel = m_outlineView->selectionModel();
    selectionModel->select(selection, QItemSelectionModel::ClearAndSelect);
    if (const QModelIndex index = m_model->indexOfObject(current); index.isValid()) {
        selectionModel->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    }
    selectionDidChange();
}

void CategoriesController::saveAndAnnounce() {
    m_save();
    QScopedValueRollback<bool> announcing(m_announcing, true);
    NotificationCenter::defaultCenter().post(kPNCategoriesChanged);
}

// ---- Commands ----

void CategoriesController::addCategory() {
    Category* category = nullptr;
    {
        UndoGrouping grouping(m_context.undoManager());
        category = &Decisions::addCategory(m_context);
    }
    reloadData();
    saveAndAnnounce();
    selectAndEdit(m_model->indexOf(category));
}

void CategoriesController::addGroup() {
    CategoryGroup* group = nullptr;
    {
        UndoGrouping grouping(m_context.undoManager());
        group = &Decisions::addGroup(m_context);
    }
    reloadData();
    saveAndAnnounce();
    selectAndEdit(m_model->indexOf(group));
}

void CategoriesController::renameItem(const QModelIndex& index, const QString& name) {
    Category* category = m_model->categoryAt(index);
    CategoryGroup* group = m_model->groupAt(index);
    const ManagedObject* object = m_model->objectAt(index);
    if (object == nullptr) {
        return;
    }
    const std::string newName = name.toStdString();
    Decisions::Rename decision = Decisions::Rename::Accept;
    {
        UndoGrouping grouping(m_context.undoManager());
        // The typed name is not written before this decision, so the stored one is the name
        // the category had when it was selected.
        decision = category != nullptr ? Decisions::rename(*category, std::string(category->name()),
                                                           newName, m_context)
                                       : Decisions::renameGroup(*group, newName, m_context);
    }
    // The rest waits until the editor has closed: the alert would take its focus and commit
    // it again, and re-sorting now would take its row away under it.
    if (decision == Decisions::Rename::NameTaken) {
        QMetaObject::invokeMethod(
            this, [this, object, name] { refuseName(object, name); }, Qt::QueuedConnection);
        return;
    }
    saveAndAnnounce();
    QMetaObject::invokeMethod(
        this,
        [this, object] {
            reloadData();
            select(m_model->indexOfObject(object));
        },
        Qt::QueuedConnection);
}

void CategoriesController::refuseName(const ManagedObject* object, const QString& name) {
    m_alerts.show(Decisions::nameTakenAlert(name.toStdString()), m_view->window());
    selectAndEdit(m_model->indexOfObject(object), name);
}

bool CategoriesController::dropCategories(const std::vector<Category*>& categories,
                                          CategoryGroup* group) {
    {
        UndoGrouping grouping(m_context.undoManager());
        Decisions::moveCategories(categories, group);
    }
    reloadData();
    if (const QModelIndex target = m_model->indexOf(group); target.isValid()) {
        m_outlineView->expand(target);
    }
    QItemSelection moved;
    for (const Category* category : categories) {
        const QModelIndex index = m_model->indexOf(category);
        moved.select(index, index.siblingAtColumn(CategoriesModel::ColumnCount - 1));
    }
    m_outlineView->selectionModel()->select(moved, QItemSelectionModel::ClearAndSelect);
    saveAndAnnounce();
    return true;
}

void CategoriesController::removeSelectedItem() {
    const QModelIndex index = selectedIndex();
    Category* category = m_model->categoryAt(index);
    CategoryGroup* group = m_model->groupAt(index);
    if (category == nullptr && group == nullptr) {
        return;
    }
    const Decisions::Delete decision =
        category != nullptr ? Decisions::deleting(*category) : Decisions::deleting(*group);
    switch (decision) {
        case Decisions::Delete::CategoryInUse:
        case Decisions::Delete::GroupNotEmpty:
            m_alerts.show(Decisions::deleteAlert(decision), m_view->window());
            return;
        case Decisions::Delete::ConfirmCategory:
            if (m_alerts.show(Decisions::deleteAlert(decision), m_view->window()).button != 0) {
                return;
            }
            break;
        case Decisions::Delete::GroupWithoutAsking:
            break;
    }
    {
        UndoGrouping grouping(m_context.undoManager());
        if (category != nullptr) {
            Decisions::deleteCategory(*category, m_context);
        } else {
            Decisions::deleteGroup(*group, m_context);
        }
    }
    reloadData();
    saveAndAnnounce();
}
