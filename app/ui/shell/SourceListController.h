#pragma once

#include <QObject>
#include <memory>
#include <vector>

#include "session/SourceListDropRules.h"
#include "session/SourceListItem.h"

class QModelIndex;
class Budget;
class MainWindowHost;
class Node;
class ObjectContext;
class SourceListModel;
class SourceListView;

// The main window's source list: its model on the open store, the selection, reloading with
// the selection and the groups' expansion kept, renaming in place and moving accounts and
// groups by drag and drop (through the core's tree commands). It tells the main window when
// the selection changed and when an entry was renamed.
class SourceListController final : public QObject {
    Q_OBJECT
public:
    // REQUIRES: `view` and `host` outlive the controller.
    SourceListController(SourceListView& view, MainWindowHost& host);
    ~SourceListController() override;

    // Shows the store's entries under `root`, with the groups expanded that were left so.
    void attach(ObjectContext& context, Node& root);
    // Lets go of the store.
    void detach();

    SourceListModel* model() const { return m_model.get(); }
    SourceListItem selectedItem() const;
    // Selects `item` when it is in the list.
    void selectItem(const SourceListItem& item);
    // Reads the entries again, keeping the selected one (or none when it is gone) and the
    // expansion, then reports the selection as changed (as a new selection would).
    void reload();
    // Starts editing the selected entry's name in place.
    void editSelectedName();
    // An open name editor writes its text back and closes.
    void commitEditing();
    std::vector<Budget*> budgets() const;
    // The row of the selected entry as shown, counted from the top; -1 with no selection.
    int visibleRowOfSelection() const;
    // After a delete: reads the list again and selects the entry the core chooses for the row
    // that held the deleted entry.
    void reloadAfterDelete(int deletedRow);

signals:
    void selectionChanged();
    // A name was changed in place and saved.
    void renamed(const SourceListItem& item);

private:
    std::vector<SourceListItem> visibleRows() const;
    void expandStoredGroups();
    void groupExpansionChanged(const QModelIndex& index, bool expanded);
    void rename(const SourceListItem& item, const QString& name);
    bool acceptDrop(const SourceListDropRules::Proposal& proposal);

    SourceListView& m_view;
    MainWindowHost& m_host;
    Node* m_root = nullptr;
    std::unique_ptr<SourceListModel> m_model;
    bool m_restoringExpansion = false;
};
