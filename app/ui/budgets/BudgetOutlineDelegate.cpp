#include "ui/budgets/BudgetOutlineDelegate.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPainter>

#include "ui/budgets/BudgetBarCell.h"
#include "ui/budgets/BudgetOutlineMetrics.h"
#include "ui/budgets/BudgetOutlineModel.h"
#include "ui/budgets/BudgetOutlineView.h"
#include "ui/common/Images.h"

namespace {

const QString kNotes = QStringLiteral("notes");
constexpr qreal kNotesGap = 7;
constexpr qreal kNotesTop = 3;

}  // namespace

void BudgetOutlineDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    QStyleOptionViewItem panel = option;
    initStyleOption(&panel, index);
    panel.state &= ~QStyle::State_MouseOver;
    const QWidget* widget = option.widget;
    QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    // The selection's background; the cells paint their own content.
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &panel, painter, widget);
    painter->save();
    if (index.column() == BudgetOutlineModel::ActualColumn) {
        paintBar(*painter, option, index);
    } else {
        paintText(*painter, option, index);
    }
    painter->restore();
}

void BudgetOutlineDelegate::paintText(QPainter& painter, const QStyleOptionViewItem& option,
                                      const QModelIndex& index) const {
    const QRectF frame = BudgetOutlineMetrics::cellFrame(option.rect);
    const QFont font = index.data(Qt::FontRole).value<QFont>();
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const QColor color = selected ? option.palette.color(QPalette::HighlightedText)
                                  : index.data(Qt::ForegroundRole).value<QColor>();
    const auto alignment = index.data(Qt::TextAlignmentRole).value<Qt::Alignment>();
    const QString notes = index.column() == BudgetOutlineModel::CategoryColumn
                              ? index.data(BudgetOutlineModel::NotesRole).toString()
                              : QString();
    const QSizeF notesSize = Images::imageSize(kNotes);
    const qreal room =
        notes.isEmpty() ? frame.width() : frame.width() - kNotesGap - notesSize.width();
    const QFontMetricsF metrics(font);
    const QString text =
        metrics.elidedText(index.data(Qt::DisplayRole).toString(), Qt::ElideRight, room);
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(frame, alignment | Qt::TextSingleLine, text);
    if (notes.isEmpty()) {
        return;
    }
    // The mark follows the name but stays inside the cell.
    const qreal x = std::min(frame.x() + std::ceil(metrics.horizontalAdvance(text)) + kNotesGap,
                             frame.right() - notesSize.width());
    const qreal ratio = painter.device() != nullptr ? painter.device()->devicePixelRatioF() : 1.0;
    painter.drawPixmap(QPointF(x, frame.y() + kNotesTop), Images::image(kNotes, ratio));
}

void BudgetOutlineDelegate::paintBar(QPainter& painter, const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const {
    const auto* row = index.data(BudgetOutlineModel::TrackRowRole).value<const TrackRow*>();
    if (row == nullptr) {
        return;
    }
    const auto* view = qobject_cast<const BudgetOutlineView*>(option.widget);
    const BudgetBarCell::Pointer pointer =
        view != nullptr ? view->pointerFor(index) : BudgetBarCell::Pointer{};
    BudgetBarCell::draw(painter, BudgetOutlineMetrics::cellFrame(option.rect), *row,
                        index.data(BudgetOutlineModel::ProgressMessageRole).toString(), pointer);
}

QSize BudgetOutlineDelegate::sizeHint(const QStyleOptionViewItem& option,
                                      const QModelIndex& index) const {
    const bool total = index.data(BudgetOutlineModel::RowTypeRole).toInt() ==
                       static_cast<int>(TrackRow::Type::Total);
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(BudgetOutlineMetrics::rowPitch(total));
    return size;
}
