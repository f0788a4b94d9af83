#pragma once

#include <QAbstractButton>
#include <QPixmap>

#include "base/Decimal.h"
#include "ledger/SidebarFigures.h"

class Sidebar;

// A large button of a Sidebar: a title, an amount in the home currency under it and an arrow
// that points down for spending and up for income. Checkable: the sidebar keeps exactly one
// selected. Clicking selects it, then emits clicked().
class SidebarButton final : public QAbstractButton {
    Q_OBJECT
public:
    explicit SidebarButton(const QString& title, QWidget* parent = nullptr);

    Sidebar* sidebar() const { return m_sidebar; }
    void setSidebar(Sidebar* sidebar);

    QString title() const { return text(); }
    void setTitle(const QString& title);
    const Decimal& amount() const { return m_amount; }
    // REQUIRES of an income button: amount >= 0 (AssertionFailure otherwise).
    void setAmount(const Decimal& amount);
    void setColorCoded(bool colorCoded);
    void setShowCents(bool showCents);
    void setIsIncome(bool isIncome);
    bool isSelected() const { return isChecked(); }
    void setSelected(bool selected) { setChecked(selected); }

    // The amount text and arrow as drawn.
    const SidebarFigures::Button& figures() const { return m_figures; }
    QString arrowName() const;
    // Height 54; width = arrow + 43 + the wider of the two texts.
    QSize idealSize() const;
    QSize sizeHint() const override { return idealSize(); }

    static constexpr int kHeight = 54;

protected:
    void paintEvent(QPaintEvent* event) override;

public:
    // Formats the amount in the sidebar's currency and chooses the arrow; runs whenever one of
    // them may change.
    void setup();

private:
    Sidebar* m_sidebar = nullptr;
    Decimal m_amount;
    bool m_colorCoded = false;
    bool m_showCents = true;
    bool m_isIncome = false;
    SidebarFigures::Button m_figures;
};
