#pragma once

#include <QString>

#include "ui/common/ContentViewController.h"

// The search results view as the main window drives it: the search field's text goes to
// search(); clearing the field brings the selected item's view back and empties the results.
class SearchController : public ContentViewController {
    Q_OBJECT
public:
    using ContentViewController::ContentViewController;

    virtual void search(const QString& text) = 0;
    virtual void clearResults() = 0;
};
