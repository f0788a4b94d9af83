#pragma once

#include <QObject>
#include <vector>

#include "session/SourceListItem.h"

class QWidget;
class ManagedObject;
class RegisterCommands;

// One view of the main window's content area (the register, the scheduled list, a budget, the
// trends chart, the breakdown, the search results) and the controller that drives it. Feature
// folders implement it; the shell's ViewRouter owns the controllers and places their views.
//
// Contract with the router:
// - The router makes a controller the first time its view is needed (through the factory
//   registered for its ContentView), keeps it while the store stays open and destroys it when
//   the store is reopened. A controller reads the store it was made on (MainWindowHost) and
//   caches no figure between calls.
// - view(): the widget, owned by the controller. The router puts it in the content area (the
//   register's below the toolbar strip), takes it out again, never deletes it.
// - showItem(item): the source list selected `item`, or selected it again after a reload;
//   recompute everything from the store. The router shows view() right after.
// - refresh(): the main window's updateAllViews, after a change that touches many views
//   (categories, projection, automatic payments, currencies), while this view is shown.
// - didUndoOrRedo(): after undo or redo while this view is shown; refresh() unless overridden.
// - commitEditing(): before every save an open editor writes its fields back; false refuses
//   the save.
// - newItem(): the "New Transaction" command while this view is shown.
// - reveal(object): selects `object` (a scheduled item from a reminder) and scrolls to it.
// - selectedObjects(): what is selected in the view (the scheduled list's items), for the
//   main window's commands on the selection (Delete).
// - registerCommands(): the rows of the register shown in the view (the register, the search
//   results, a report's or a budget's list of transactions), for the Transaction menu's
//   commands and Delete; null while the view shows none.
// What a controller asks of the main window goes through MainWindowHost or its own signals,
// which the shell connects when it makes the controller.
class ContentViewController : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    virtual QWidget* view() = 0;
    virtual void showItem(const SourceListItem& item) = 0;
    virtual void refresh() = 0;
    virtual void didUndoOrRedo() { refresh(); }
    [[nodiscard]] virtual bool commitEditing() { return true; }
    virtual void newItem() {}
    virtual void reveal(ManagedObject& object) { (void)object; }
    virtual std::vector<ManagedObject*> selectedObjects() const { return {}; }
    virtual RegisterCommands* registerCommands() { return nullptr; }
};
