#pragma once

#include <vector>

class QWidget;

// A closed keyboard focus loop over some widgets of a panel: Tab and Backtab go round them in
// order, from the last back to the first. The panel calls moveFocus() from its
// focusNextPrevChild().
class KeyLoop final {
public:
    void setWidgets(std::vector<QWidget*> widgets) { m_widgets = std::move(widgets); }
    const std::vector<QWidget*>& widgets() const { return m_widgets; }

    // Gives the focus to the widget after (or before) the one that holds it or holds a child
    // that has it. False, with nothing done, when the focus is in none of them.
    bool moveFocus(bool next) const;

private:
    std::vector<QWidget*> m_widgets;
};
