#pragma once

#include <QStyledItemDelegate>

class QFontMetricsF;

class RegisterFonts;

// Paints the cells of a register row from the model's figures: the flag image, the date,
// the description (DescriptionCell), the category lines with their amounts, the amount and
// the running balance, each in the colours the model gives for a highlighted or a plain row.
// A cell is highlighted when its row is selected in the focused table of the active window
// (the table sets QStyle::State_Active only then).
class RegisterDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    // REQUIRES: `fonts` outlives the delegate.
    explicit RegisterDelegate(const RegisterFonts& fonts, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    static bool isHighlighted(const QStyleOptionViewItem& option);
    // The part of a cell that holds its content: the cell less the spacing between cells
    // (3 points across, 21 down).
    QRectF contentRect(const QRect& cell) const;

private:
    static QString elidedLabel(const QFontMetricsF& metrics, const QString& label, double width);
    void paintCategories(QPainter& painter, const QRectF& rect, const QModelIndex& index,
                         bool highlighted) const;

    const RegisterFonts& m_fonts;
};
