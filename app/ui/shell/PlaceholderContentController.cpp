#include "ui/shell/PlaceholderContentController.h"

#include "ui/common/Alerts.h"
#include "ui/common/PlaceholderView.h"

namespace {

const QColor kContentBackground(QStringLiteral("#F6F7F9"));

}  // namespace

PlaceholderContentController::PlaceholderContentController(TextForItem text, QString newItemTitle,
                                                           QWidget& window)
    : m_text(std::move(text)),
      m_newItemTitle(std::move(newItemTitle)),
      m_window(window),
      m_view(makeView()) {}

PlaceholderContentController::~PlaceholderContentController() {
    delete m_view.data();
}

PlaceholderView* PlaceholderContentController::makeView() {
    auto* view = new PlaceholderView;
    view->setColor(kContentBackground);
    return view;
}

QWidget* PlaceholderContentController::view() {
    return m_view;
}

void PlaceholderContentController::showItem(const SourceListItem& item) {
    m_item = item;
    m_view->setText(m_text(item));
}

void PlaceholderContentController::refresh() {
    // The text may name a store object (a budget) whose name has changed.
    showItem(m_item);
}

void PlaceholderContentController::newItem() {
    if (!m_newItemTitle.isEmpty()) {
        showUnavailable(m_window, m_newItemTitle);
    }
}

void PlaceholderContentController::showUnavailable(QWidget& window, const QString& what) {
    Alerts::shared().run({.message = tr("%1 is not available in this version.").arg(what),
                          .style = AlertContent::Style::Informational},
                         &window);
}
