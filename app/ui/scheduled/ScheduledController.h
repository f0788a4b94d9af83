#pragma once

#include <memory>
#include <vector>

#include "scheduled/ScheduledItem.h"
#include "ui/common/ContentViewController.h"

class QAction;
class QModelIndex;
class QPoint;
class MainWindowHost;
class PayController;
class ScheduledDueHandler;
class ScheduledListModel;
class ScheduledListView;
class ScheduledSheetController;

// The scheduled list, the content of "Scheduled": every scheduled item by due date with its
// pay or deposit button, and the commands on the selection: add, edit (also a double click on
// one row), delete, skip and pay. It makes its editor and pay sheet on first use and keeps
// them; after each change it saves, checks the reminders (and, after the editor, the automatic
// payments) and shows the list sorted again. Enabling and texts come from the core
// (ScheduledListCommands, ScheduledListRow).
class ScheduledController final : public ContentViewController {
    Q_OBJECT
public:
    // REQUIRES: `host` outlives the controller.
    explicit ScheduledController(MainWindowHost& host, QObject* parent = nullptr);
    ~ScheduledController() override;

    // ---- ContentViewController ----
    QWidget* view() override;
    // "Scheduled" was selected: the list is read again with nothing selected; when the list
    // is already shown (selected again after the source list was read again) its selection
    // stays.
    void showItem(const SourceListItem& item) override;
    void refresh() override { refreshView(); }
    // "New Scheduled Transaction".
    void newItem() override { add(); }
    // Selects a scheduled item and scrolls to it.
    void reveal(ManagedObject& object) override;
    std::vector<ManagedObject*> selectedObjects() const override;

    ScheduledListView& listView() const { return *m_view; }
    ScheduledListModel& model() const { return *m_model; }
    ScheduledDueHandler& dueHandler() const { return *m_dueHandler; }
    // Nothing before first use.
    ScheduledSheetController* editor() const { return m_editor.get(); }
    PayController* payController() const { return m_payController.get(); }

    // Reads the list again with nothing selected.
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

    // The commands' actions, for the list's context menu and keys; validateActions() sets
    // their enabled state and titles for the selection (done whenever it changes).
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

private:
    void makeActions();
    void showContextMenu(const QPoint& position);
    void rowDoubleClicked(const QModelIndex& index);
    ScheduledSheetController& editorSheet();
    PayController& paySheet();
    void editorEnded(ScheduledItem* created);
    void paySheetEnded();
    // The list read again, keeping `selection` selected.
    void reload(const std::vector<ScheduledItem*>& selection);

    MainWindowHost& m_host;
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
