#pragma once

#include <QPointer>

#include "ui/common/SearchController.h"

class PlaceholderView;

// Stands in for the search results until search is built: says what was searched for.
class PlaceholderSearchController final : public SearchController {
    Q_OBJECT
public:
    PlaceholderSearchController();
    ~PlaceholderSearchController() override;

    QWidget* view() override;
    void showItem(const SourceListItem&) override {}
    void refresh() override;
    void search(const QString& text) override;
    void clearResults() override;

private:
    QPointer<PlaceholderView> m_view;
};
