#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "budgets/SummaryFigures.h"

// One box of a budget's summary page: an icon and a title, then the rows of the box's figures
// ("Expense", "Income", "Savings" in green or "Loss" in red, and a balance), each under a thin
// rule, labels on the left half and amounts in the home currency right-aligned on the right.
class SummaryBox final : public QWidget {
    Q_OBJECT
public:
    explicit SummaryBox(QWidget* parent = nullptr);

    // Shows `box` with amounts in the currency of `currencyCode`.
    void setBox(const SummaryFigures::Box& box, const std::string& currencyCode);
    const SummaryFigures::Box& box() const { return m_box; }
    QString title() const;
    // The rows as drawn: label, amount text and its colour as a hex string.
    struct ShownRow final {
        QString label;
        QString value;
        QString color;
    };
    const std::vector<ShownRow>& shownRows() const { return m_rows; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Draws one row at y and returns the y of the next.
    qreal drawRow(QPainter& painter, const ShownRow& row, qreal y) const;

    SummaryFigures::Box m_box;
    std::vector<ShownRow> m_rows;
};
