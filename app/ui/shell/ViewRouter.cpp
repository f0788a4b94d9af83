#include "ui/shell/ViewRouter.h"

#include <QVBoxLayout>

#include "base/AssertionFailure.h"
#include "ui/common/MainWindowHost.h"
#include "ui/shell/TransactionsView.h"

ViewRouter::ViewRouter(QVBoxLayout& contentArea, TransactionsView& transactionsView,
                       MainWindowHost& host)
    : m_contentArea(contentArea), m_transactionsView(transactionsView), m_host(host) {}

ViewRouter::~ViewRouter() {
    reset();
}

void ViewRouter::setFactory(ContentView view, Factory factory) {
    m_factories[view] = std::move(factory);
}

ViewRouter::Factory ViewRouter::factoryFor(ContentView view) const {
    const auto found = m_factories.find(view);
    PN_ASSERT(found != m_factories.end(), "no controller is registered for the content view");
    return found->second;
}

ContentViewController& ViewRouter::controller(ContentView view) {
    PN_ASSERT(view != ContentView::None, "no content view to make");
    auto found = m_controllers.find(view);
    if (found == m_controllers.end()) {
        std::unique_ptr<ContentViewController> made = factoryFor(view)(m_host);
        PN_ASSERT(made != nullptr, "a content view factory made nothing");
        found = m_controllers.emplace(view, std::move(made)).first;
    }
    return *found->second;
}

ContentViewController* ViewRouter::existingController(ContentView view) const {
    const auto found = m_controllers.find(view);
    return found == m_controllers.end() ? nullptr : found->second.get();
}

ContentViewController* ViewRouter::currentController() const {
    return m_current == ContentView::None ? nullptr : existingController(m_current);
}

QWidget* ViewRouter::contentWidget() const {
    QLayoutItem* item = m_contentArea.itemAt(0);
    return item != nullptr ? item->widget() : nullptr;
}

void ViewRouter::show(ContentView view, const SourceListItem& item) {
    controller(view).showItem(item);
    showAsIs(view);
}

void ViewRouter::showAsIs(ContentView view) {
    ContentViewController& shown = controller(view);
    if (view == ContentView::Register) {
        m_transactionsView.setRegisterView(shown.view());
        switchView(&m_transactionsView);
    } else {
        switchView(shown.view());
    }
    m_current = view;
}

void ViewRouter::switchView(QWidget* view) {
    PN_ASSERT(m_contentArea.count() <= 1, "more than one view in the content area");
    if (QWidget* current = contentWidget(); current != nullptr && current != view) {
        m_contentArea.removeWidget(current);
        current->hide();
        current->setParent(nullptr);
    }
    if (view != nullptr && contentWidget() != view) {
        m_contentArea.addWidget(view);
    }
    if (view != nullptr) {
        view->show();
    }
}

bool ViewRouter::commitEditing() {
    bool committed = true;
    for (auto& [view, controller] : m_controllers) {
        committed = controller->commitEditing() && committed;
    }
    return committed;
}

void ViewRouter::reset() {
    switchView(nullptr);
    m_transactionsView.setRegisterView(nullptr);
    m_controllers.clear();
    m_current = ContentView::None;
}
