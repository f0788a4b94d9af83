#include "ui/shell/PlaceholderSearchController.h"

#include "ui/common/PlaceholderView.h"
#include "ui/shell/PlaceholderContentController.h"

PlaceholderSearchController::PlaceholderSearchController()
    : m_view(PlaceholderContentController::makeView()) {}

PlaceholderSearchController::~PlaceholderSearchController() {
    delete m_view.data();
}

QWidget* PlaceholderSearchController::view() {
    return m_view;
}

void PlaceholderSearchController::refresh() {
    m_view->update();
}

void PlaceholderSearchController::search(const QString& text) {
    m_view->setText(tr("Searching for \u201c%1\u201d is not available in this version.").arg(text));
}

void PlaceholderSearchController::clearResults() {
    m_view->setText({});
}
