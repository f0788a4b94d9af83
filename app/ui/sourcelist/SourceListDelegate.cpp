#include "ui/sourcelist/SourceListDelegate.h"

#include <QApplication>
#include <QPainter>

#include "ui/sourcelist/SourceListModel.h"

namespace {

const QColor kBadgeColor(QStringLiteral("#BD3B3C"));
const QColor kHeaderColor(QStringLiteral("#707A86"));
constexpr int kRowHeight = 22;
constexpr int kHeaderHeight = 26;

}  // namespace

void SourceListDelegate::paintHeader(QPainter* painter, const QStyleOptionViewItem& option,
                                     const QModelIndex& index) {
    QFont font = option.font;
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 0.85);
    font.setLetterSpacing(QFont::PercentageSpacing, 105);
    painter->setFont(font);
    painter->setPen(kHeaderColor);
    const QRect text = option.rect.adjusted(8, 6, 0, 0);
    painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter, index.data().toString());
}

void SourceListDelegate::paintBadge(QPainter* painter, const QRect& rowRect, int count,
                                    bool selected) {
    QFont font = painter->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 0.85);
    const QString text = QString::number(count);
    const QFontMetrics metrics(font);
    const int width = std::max(metrics.horizontalAdvance(text) + 12, 20);
    const QRectF badge(rowRect.right() - width - 6, rowRect.center().y() - 7.5, width, 15);
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->setBrush(selected ? QColor(Qt::white) : kBadgeColor);
    painter->drawRoundedRect(badge, 7.5, 7.5);
    painter->setFont(font);
    painter->setPen(selected ? kBadgeColor : QColor(Qt::white));
    painter->drawText(badge, Qt::AlignCenter, text);
}

void SourceListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    painter->save();
    if (index.data(SourceListModel::IsHeaderRole).toBool()) {
        paintHeader(painter, option, index);
        painter->restore();
        return;
    }
    const int badge = index.data(SourceListModel::BadgeRole).toInt();
    QStyleOptionViewItem rowOption = option;
    initStyleOption(&rowOption, index);
    if (badge > 0) {
        // The selection covers the whole row, badge included.
        const QWidget* widget = option.widget;
        QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
        style->drawPrimitive(QStyle::PE_PanelItemViewItem, &rowOption, painter, widget);
        // Keep the name clear of the badge.
        rowOption.rect.setRight(option.rect.right() - 34);
    }
    QStyledItemDelegate::paint(painter, rowOption, index);
    if (badge > 0) {
        paintBadge(painter, option.rect, badge, option.state & QStyle::State_Selected);
    }
    painter->restore();
}

QSize SourceListDelegate::sizeHint(const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    const bool header = index.data(SourceListModel::IsHeaderRole).toBool();
    size.setHeight(std::max(size.height(), header ? kHeaderHeight : kRowHeight));
    return size;
}
