#pragma once

#include <QPointer>
#include <QString>
#include <functional>

#include "ui/common/ContentViewController.h"

class PlaceholderView;

// Stands in for a content view this version does not have yet: one line of text saying so,
// on the content background. The router uses it for every view without a registered factory.
class PlaceholderContentController final : public ContentViewController {
    Q_OBJECT
public:
    using TextForItem = std::function<QString(const SourceListItem&)>;

    // `text` says what is missing for the selected item; `newItemTitle` names what the "New
    // Transaction" command would make here ("Scheduling transactions"), empty when nothing.
    PlaceholderContentController(TextForItem text, QString newItemTitle, QWidget& window);
    ~PlaceholderContentController() override;

    QWidget* view() override;
    void showItem(const SourceListItem& item) override;
    void refresh() override;
    void newItem() override;

    // The alert "<what> is not available in this version." over `window`.
    static void showUnavailable(QWidget& window, const QString& what);
    // A placeholder view on the content background.
    static PlaceholderView* makeView();

private:
    TextForItem m_text;
    QString m_newItemTitle;
    QWidget& m_window;
    QPointer<PlaceholderView> m_view;
    SourceListItem m_item;
};
