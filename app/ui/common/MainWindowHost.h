#pragma once

#include <QString>

#include "session/SourceListItem.h"

class QWidget;
class Alerts;
class Node;
class ObjectContext;
class ScheduledItem;
class UserDefaults;

// What a feature folder's controller may ask of the main window. The shell implements it and
// hands it to every content view and sheet controller it makes; feature folders never see the
// shell itself. Valid while the store the controller was made on stays open.
class MainWindowHost {
public:
    virtual ~MainWindowHost() = default;

    // The open store and the root of its account tree.
    virtual ObjectContext& context() = 0;
    virtual Node& accountsRoot() = 0;
    // The window that sheets and alerts go on.
    virtual QWidget& window() = 0;
    virtual Alerts& alerts() = 0;
    virtual UserDefaults& defaults() = 0;

    // Commits every open editor, then saves the store. A failure has been logged and shown
    // when this returns false; the changes stay in the context.
    virtual bool save() = 0;
    // Refreshes the source list and the view in the content area.
    virtual void updateAllViews() = 0;
    // Reads the source list from the store again, keeping its selection, and runs the
    // selection handling (which refreshes the content view and the toolbar strip).
    virtual void reloadSourceList() = 0;
    // Selects `item` in the source list; its view comes up.
    virtual void selectSourceListItem(const SourceListItem& item) = 0;
    // The line of text in the bottom bar.
    virtual void setStatusMessage(const QString& message) = 0;
    virtual void showPreferences() = 0;
    // Shows the preferences on their categories pane (a category menu's "Edit Categories...").
    virtual void editCategories() = 0;
    // Selects "Scheduled" and `item` in its list.
    virtual void revealScheduledItem(ScheduledItem& item) = 0;
};
