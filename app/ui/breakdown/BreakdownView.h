#pragma once

#include <QFont>
#include <QRectF>
#include <QWidget>
#include <optional>
#include <vector>

#include "reports/BreakdownReport.h"

// The bars of one side of a breakdown: each row's name, amount and a bar proportional to its
// amount, largest first, with a total row at the end. Names and bars are links: the pointer
// over one shows the pointing hand, and releasing the button on it emits keyClicked with the
// row's key. Its height is that of its rows; its width follows its container.
class BreakdownView final : public QWidget {
    Q_OBJECT
public:
    explicit BreakdownView(QWidget* parent = nullptr);

    void setRows(std::vector<BreakdownReport::Row> rows, const Decimal& maxAmount);
    const std::vector<BreakdownReport::Row>& rows() const { return m_rows; }

    // Where row i's parts lie in the view (y down); the total row has no bar or separator.
    QRectF nameRect(std::size_t index) const;
    QRectF amountRect(std::size_t index) const;
    std::optional<QRectF> barRect(std::size_t index) const;
    std::optional<qreal> separatorY(std::size_t index) const;
    // The row whose name or bar lies under `position`, if it is a link.
    std::optional<std::size_t> linkAt(const QPointF& position) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    void keyClicked(const BreakdownKey& key);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    struct Style {
        QFont font;
        QColor color;
    };
    static Style styleOf(BreakdownReport::Row::Style style);
    // Measures the widest name and amount.
    void measure();
    void updateCursor(const QPointF& position);

    std::vector<BreakdownReport::Row> m_rows;
    Decimal m_maxAmount;
    qreal m_nameWidth = 0;
    qreal m_amountWidth = 0;
    qreal m_textHeight = 0;
};
