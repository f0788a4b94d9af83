#pragma once

#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

#include "base/NotificationCenter.h"
#include "ui/preferences/PreferencesModule.h"

class QModelIndex;
class QPushButton;
class QTreeView;
class Alerts;
class Category;
class CategoryGroup;
class CategoriesModel;
class CategoryNameDelegate;
class ManagedObject;
class ObjectContext;

// The categories pane: an outline of the category groups and the categories, where the person
// adds categories and groups, renames them in place, drags categories into a group or out of
// any, and deletes a row. Each change is one undo step made through CategoryPaneDecisions; the
// pane then saves (through the function its creator gives) and posts PNCategoriesChanged so
// that the open views follow. It reloads on PNCategoriesChanged from elsewhere and after undo
// and redo, keeping its selection and the open groups.
class CategoriesController final : public PreferencesModule {
    Q_OBJECT
public:
    static inline const QString kIdentifier = QStringLiteral("CategoriesPane");

    // REQUIRES: `context` and `alerts` outlive the pane.
    CategoriesController(ObjectContext& context, std::function<bool()> save, Alerts& alerts);
    ~CategoriesController() override;

    // ---- PreferencesModule ----
    QString identifier() const override { return kIdentifier; }
    QString title() const override;
    QIcon image() const override;
    QWidget* view() override;

    // ---- Commands ----
    // A new category ("New Category ..."), selected with its name open for editing.
    void addCategory();
    // A new group with an empty name, selected with its name open for editing.
    void addGroup();
    // Deletes the selected row under the deletion rules, asking or refusing with their alerts.
    void removeSelectedItem();
    // Reads the outline from the store again, keeping the selection and the open groups.
    void reloadData();

    // A name typed for a row: accepted and saved, the outline re-sorted once events are
    // processed; or refused, with an alert (once events are processed) after which the name
    // opens again for editing with the typed text.
    void renameItem(const QModelIndex& index, const QString& name);
    // Categories dropped on a group (nullptr: the top level).
    bool dropCategories(const std::vector<Category*>& categories, CategoryGroup* group);

    // ---- State, for the window and for tests ----
    CategoriesModel& model() const { return *m_model; }
    QTreeView* outlineView() const { return m_outlineView; }
    QPushButton* addCategoryButton() const { return m_addCategoryButton; }
    QPushButton* addGroupButton() const { return m_addGroupButton; }
    QPushButton* removeButton() const { return m_removeButton; }

private:
    void buildView();
    void selectionDidChange();
    QModelIndex selectedIndex() const;
    void select(const QModelIndex& index);
    void selectAndEdit(const QModelIndex& index, const QString& text = {});
    void refuseName(const ManagedObject* object, const QString& name);
    // Saves and tells the open views; the pane's own reload on that notice is skipped.
    void saveAndAnnounce();

    ObjectContext& m_context;
    std::function<bool()> m_save;
    Alerts& m_alerts;
    std::unique_ptr<QWidget> m_view;
    CategoriesModel* m_model = nullptr;
    QTreeView* m_outlineView = nullptr;
    CategoryNameDelegate* m_nameDelegate = nullptr;
    QPushButton* m_addCategoryButton = nullptr;
    QPushButton* m_addGroupButton = nullptr;
    QPushButton* m_removeButton = nullptr;
    bool m_announcing = false;
    NotificationObserver m_categoriesObserver;
    NotificationObserver m_undoObserver;
    NotificationObserver m_redoObserver;
};
