#pragma once

#include <QObject>
#include <functional>
#include <map>
#include <memory>

#include "base/AssertionFailure.h"
#include "session/ContentView.h"
#include "ui/common/ContentViewController.h"

class QVBoxLayout;
class QWidget;
class MainWindowHost;
class TransactionsView;

// Puts one content view at a time into the main window's content area. Each ContentView has a
// controller, made on first use by the factory registered for it, kept while the store stays
// open and dropped by reset() when the store is reopened. The register's view goes below the
// toolbar strip of the TransactionsView; every other view fills the content area.
//
// Plugging a view in: ContentViews::registerAll() (ContentViews.cpp) calls setFactory() for
// its ContentView with a function that makes the controller from the MainWindowHost and
// connects its signals.
class ViewRouter final : public QObject {
    Q_OBJECT
public:
    using Factory = std::function<std::unique_ptr<ContentViewController>(MainWindowHost&)>;

    // REQUIRES: `contentArea`, `transactionsView` and `host` outlive the router.
    ViewRouter(QVBoxLayout& contentArea, TransactionsView& transactionsView, MainWindowHost& host);
    ~ViewRouter() override;

    void setFactory(ContentView view, Factory factory);

    // The controller of `view`, made on first use.
    ContentViewController& controller(ContentView view);
    // The same, as the interface the shell drives it through (RegisterController, ...);
    // AssertionFailure when the registered controller does not implement it.
    template <class T>
    T& controllerAs(ContentView view) {
        auto* typed = dynamic_cast<T*>(&controller(view));
        PN_ASSERT(typed != nullptr, "the content view's controller is of another kind");
        return *typed;
    }
    // The controller of `view` when it was made since the last reset, or nullptr.
    ContentViewController* existingController(ContentView view) const;
    // Tells the controller of `view` that `item` is selected, then shows its view.
    void show(ContentView view, const SourceListItem& item);
    // Shows the view of `view`'s controller as it is.
    void showAsIs(ContentView view);
    ContentView currentView() const { return m_current; }
    // The controller whose view is in the content area, or nullptr.
    ContentViewController* currentController() const;
    // The widget in the content area, or nullptr.
    QWidget* contentWidget() const;

    // Asks every controller made since the last reset to commit its open editor.
    [[nodiscard]] bool commitEditing();
    // Drops every controller (the store is being replaced); the content area is emptied.
    void reset();

private:
    Factory factoryFor(ContentView view) const;
    void switchView(QWidget* view);

    QVBoxLayout& m_contentArea;
    TransactionsView& m_transactionsView;
    MainWindowHost& m_host;
    std::map<ContentView, Factory> m_factories;
    std::map<ContentView, std::unique_ptr<ContentViewController>> m_controllers;
    ContentView m_current = ContentView::None;
};
