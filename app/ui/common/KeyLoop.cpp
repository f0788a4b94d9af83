#include "ui/common/KeyLoop.h"

#include <QApplication>
#include <QWidget>
#include <algorithm>

bool KeyLoop::moveFocus(bool next) const {
    QWidget* focus = QApplication::focusWidget();
    const auto current = std::find_if(m_widgets.begin(), m_widgets.end(), [&](QWidget* widget) {
        return focus != nullptr && (widget == focus || widget->isAncestorOf(focus));
    });
    if (current == m_widgets.end()) {
        return false;
    }
    const auto count = std::ptrdiff_t(m_widgets.size());
    const std::ptrdiff_t index = current - m_widgets.begin();
    const std::ptrdiff_t target = (index + (next ? 1 : count - 1)) % count;
    m_widgets[std::size_t(target)]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}
