#pragma once

#include <QPointer>

#include "ui/common/ContentViewController.h"

class MainWindowHost;
class TrendsController;

// The trends view in the main window's content area. Choosing "Trends" sets the chart up
// afresh (the first series); choosing it again while it is shown (the source list is read
// again after changes), a refresh of all views, undo and redo redraw the chosen series from
// the store.
class TrendsContentController final : public ContentViewController {
    Q_OBJECT
public:
    // REQUIRES: `host` outlives the controller.
    explicit TrendsContentController(MainWindowHost& host);
    ~TrendsContentController() override;

    QWidget* view() override;
    void showItem(const SourceListItem& item) override;
    void refresh() override;

private:
    // The view may sit in a window's content area; it goes with its controller.
    QPointer<TrendsController> m_trends;
};
