#pragma once

#include <QButtonGroup>
#include <QWidget>
#include <string>
#include <vector>

#include "base/Decimal.h"

class SidebarButton;

// A narrow column of SidebarButtons, one per side of a report or budget ("Expense", "Income",
// ...), exactly one of them selected, and under them an optional line with the overall savings
// or loss. It stands at one side of its content and draws a border on the edge facing it.
// Owns its buttons (as child widgets).
class Sidebar final : public QWidget {
    Q_OBJECT
public:
    explicit Sidebar(QWidget* parent = nullptr);

    // Appends `button` below the others and takes it as a child.
    void addButton(SidebarButton* button);
    const std::vector<SidebarButton*>& buttons() const { return m_buttons; }
    // Selects `button` only.
    void selectButton(SidebarButton* button);
    // The selected button, or nullptr.
    SidebarButton* selectedButton() const;

    // The currency the amounts are shown in (ISO code; "USD" until set).
    const std::string& currencyCode() const { return m_currencyCode; }
    void setCurrencyCode(const std::string& code);

    const Decimal& overallSavings() const { return m_overallSavings; }
    void setOverallSavings(const Decimal& savings);
    bool showOverallSavings() const { return m_showOverallSavings; }
    void setShowOverallSavings(bool show);
    bool onLeft() const { return m_onLeft; }
    void setOnLeft(bool onLeft);

    // The widest button's ideal width, or the savings line's when wider, plus the border.
    int idealWidth() const;
    // Makes the sidebar idealWidth() wide.
    void sizeToFit();
    // The savings line as drawn: word, amount and their colours.
    QString savingsText() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void layoutButtons();
    qreal savingsLineWidth() const;
    int buttonsBottom() const;

    std::vector<SidebarButton*> m_buttons;
    QButtonGroup m_group;
    std::string m_currencyCode = "USD";
    Decimal m_overallSavings;
    bool m_showOverallSavings = true;
    bool m_onLeft = true;
};
