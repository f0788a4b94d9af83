#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

#include "scheduled/ScheduledItem.h"

class QAction;
class QModelIndex;
class QPoint;
class QWidget;
class ObjectContext;
class PayController;
class ScheduledDueHandler;
class ScheduledListModel;
class ScheduledListView;
class ScheduledSheetController;
class UserDefaults;

// The scheduled list, the content of "Scheduled": every scheduled item by due date with its
// pay or deposit button, and the commands on the selection: add, edit (also a double click on
// one row), delete, skip and pay. It makes its editor and pay sheet on first use and keeps
// them; after each change it saves, checks the reminders (and, after the editor, the automatic
// payments) and shows the list sorted again. Enabling and texts come from the core
// (ScheduledListCommands, ScheduledListRow).
class ScheduledController final : public QObject {
    Q_OBJECT
public:
    // Sheets and alerts go on `window`; `save` saves the store (answering false after it has
    // shown a failure). REQUIRES: `context`, `defaults` and `window` outlive the controller.
    ScheduledController(ObjectContext& context, std::function<bool()> save,
                        UserDefaults& defaults, QWidget& window, QObject* parent = nullptr);
    ~ScheduledController() override;

    QWidget* view() const;
    ScheduledListView& listView() const { return *m_view; }
    ScheduledListModel& model() const { return *m_model; }
    ScheduledDueHandler& dueHandler() const { return *m_dueHandler; }
    // Nothing before first use.
    ScheduledSheetController* editor() const { return m_editor.get(); }
    PayController* payController() const { return m_payController.get(); }

    // Reads the list again with nothing selected (the list is being shown).
    void setup();
    // Reads the list again, sorted, keeping the selected items selected.
    void refreshView();
    // Selects `item` alone and scrolls it into view.
    void selectItem(ScheduledItem& item);
    std::vector<ScheduledItem*> selectedItems() const;

    // ---- Commands ----
    void add();
    void edit();
    void deleteSelected();
    void skip();
    void pay();
    void payItem(ScheduledItem& item);

    // The commands' actions, for menus; validateActions() sets their enabled state and titles
    // for the current selection (done whenever the selection changes).
    QAction* addAction() const { return m_addAction; }
    QAction* editAction() const { return m_editAction; }
    QAction* payAction() const { return m_payAction; }
    QAction* skipAction() const { return m_skipAction; }
    QAction* deleteAction() const { return m_deleteAction; }
    void validateActions();

signals:
    // Items were added, changed, paid, skipped or deleted, or their reminders checked: the
    // "Scheduled" badge of the source list may read differently.
    void scheduledItemsChanged();
    // The reminder alert's "Show in Scheduled".
    void revealItemRequested(ScheduledItem* item);
    void showScheduledRequested();

private:
    void makeActions();
    void showContextMenu(const QPoint& position);
    void rowDoubleClicked(const QModelIndex& index);
    ScheduledSheetController& editorSheet();
    PayController& paySheet();
    void editorEnded(bool confirmed, ScheduledItem* created);
    void paySheetEnded();
    // The list read again, keeping `selection` selected.
    void reload(const std::vector<ScheduledItem*>& selection);

    ObjectContext& m_context;
    std::function<bool()> m_save;
    UserDefaults& m_defaults;
    QWidget& m_window;
    std::unique_ptr<ScheduledListModel> m_model;
    ScheduledListView* m_view = nullptr;
    ScheduledDueHandler* m_dueHandler = nullptr;
    std::unique_ptr<ScheduledSheetController> m_editor;
    std::unique_ptr<PayController> m_payController;
    QAction* m_addAction = nullptr;
    QAction* m_editAction = nullptr;
    QAction* m_payAction = nullptr;
    QAction* m_skipAction = nullptr;
    QAction* m_deleteAction = nullptr;
};
