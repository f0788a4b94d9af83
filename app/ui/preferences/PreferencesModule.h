#pragma once

#include <QIcon>
#include <QObject>
#include <QString>

class QWidget;

// One pane of the preferences window: the identifier the window remembers it by, the title
// and image of its toolbar item, and its view. The window owns its panes; a pane owns its
// view, which the window shows while the pane is current.
class PreferencesModule : public QObject {
public:
    using QObject::QObject;

    virtual QString identifier() const = 0;
    virtual QString title() const = 0;
    virtual QIcon image() const = 0;
    // The pane's view. The window gives its content area the view's size hint.
    virtual QWidget* view() = 0;
    // Right before the window shows the view.
    virtual void willBeDisplayed() {}
};
