#pragma once

#include <QWidget>
#include <vector>

#include "scheduled/RepeatForm.h"
#include "scheduled/RepeatRuleMenus.h"

class QComboBox;
class QLabel;
class QToolButton;

// One "on" row of the scheduled-item editor: its label ("On:" or "And On:"), the pop-up of
// weekdays or days of the month whose item tags are the rule's, and the buttons that remove
// the row and add one below the last.
class OnRow final : public QWidget {
    Q_OBJECT
public:
    // The label column is `labelWidth` wide.
    explicit OnRow(int labelWidth, QWidget* parent = nullptr);

    // Fills the pop-up (only when the items differ from those shown).
    void setPopUpItems(const std::vector<RulePopUpItem>& items);
    // Shows the row's label, its rule and which buttons it offers.
    void showRule(const QString& label, int tag, RepeatForm::RuleRowButtons buttons);

    QLabel* label() const { return m_label; }
    QComboBox* popUp() const { return m_popUp; }
    QToolButton* removeButton() const { return m_remove; }
    QToolButton* addButton() const { return m_add; }

signals:
    void tagChosen(int tag);
    void removeClicked();
    void addClicked();

private:
    QLabel* m_label = nullptr;
    QComboBox* m_popUp = nullptr;
    QToolButton* m_remove = nullptr;
    QToolButton* m_add = nullptr;
    std::vector<RulePopUpItem> m_items;
};
