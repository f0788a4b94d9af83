#include "ui/register/RegisterDelegate.h"

#include <QFontMetricsF>
#include <QPainter>

#include "ui/register/DescriptionCell.h"
#include "ui/register/FlagImages.h"
#include "ui/register/RegisterFonts.h"
#include "ui/register/RegisterModel.h"

namespace {

QColor hexColor(const QVariant& hex) {
    return QColor("#" + hex.toString());
}

}  // namespace

RegisterDelegate::RegisterDelegate(const RegisterFonts& fonts, QObject* parent)
    : QStyledItemDelegate(parent), m_fonts(fonts) {}

bool RegisterDelegate::isHighlighted(const QStyleOptionViewItem& option) {
    return option.state.testFlag(QStyle::State_Selected) &&
           option.state.testFlag(QStyle::State_Active);
}

QRectF RegisterDelegate::contentRect(const QRect& cell) const {
    const double pt = m_fonts.pixelsPerPoint();
    return QRectF(cell).adjusted(1.5 * pt, 10.5 * pt, -1.5 * pt, -10.5 * pt);
}

void RegisterDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    const bool highlighted = isHighlighted(option);
    const QRectF content = contentRect(option.rect);
    const QVariant color = index.data(highlighted ? RegisterModel::HighlightedTextColorRole
                                                  : RegisterModel::TextColorRole);
    painter->save();
    switch (index.column()) {
        case RegisterModel::FlagColumn: {
            const double side = 16 * m_fonts.pixelsPerPoint() * 0.75;
            const QRectF flag(content.center().x() - side / 2, content.top(), side, side);
            FlagImages::paint(*painter, flag, index.data(RegisterModel::FlagImageRole).toString());
            break;
        }
        case RegisterModel::DescriptionColumn: {
            DescriptionCell::Content cell;
            cell.title = index.data(RegisterModel::TitleRole).toString();
            cell.notes = index.data(RegisterModel::NotesRole).toString();
            cell.checkNumber = index.data(RegisterModel::CheckNumberRole).toString();
            cell.titleColor = hexColor(color);
            cell.notesColor =
                hexColor(index.data(highlighted ? RegisterModel::HighlightedSecondaryColorRole
                                                : RegisterModel::SecondaryColorRole));
            DescriptionCell::paint(*painter, content, cell, m_fonts);
            break;
        }
        case RegisterModel::CategoryColumn:
            paintCategories(*painter, content, index, highlighted);
            break;
        default: {
            painter->setFont(m_fonts.cell());
            painter->setPen(hexColor(color));
            const QFontMetricsF metrics(m_fonts.cell());
            const QString text = metrics.elidedText(index.data().toString(), Qt::ElideRight,
                                                    content.width() - 4 * m_fonts.pixelsPerPoint());
            const auto alignment =
                Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt()) & Qt::AlignHorizontal_Mask;
            // Right-aligned figures keep clear of the next column and of the scroll bar.
            const QRectF area = alignment.testFlag(Qt::AlignRight)
                                    ? content.adjusted(0, 0, -4 * m_fonts.pixelsPerPoint(), 0)
                                    : content;
            painter->drawText(area, alignment | Qt::AlignTop, text);
            break;
        }
    }
    painter->restore();
}

// A split's "Name: " shortened to `width`, keeping the ": " before its amount.
QString RegisterDelegate::elidedLabel(const QFontMetricsF& metrics, const QString& label,
                                      double width) {
    const QString separator = QStringLiteral(": ");
    if (metrics.horizontalAdvance(label) <= width || !label.endsWith(separator)) {
        return metrics.elidedText(label, Qt::ElideRight, std::max(0.0, width));
    }
    const double room = std::max(0.0, width - metrics.horizontalAdvance(separator));
    return metrics.elidedText(label.chopped(separator.size()), Qt::ElideRight, room) + separator;
}

void RegisterDelegate::paintCategories(QPainter& painter, const QRectF& rect,
                                       const QModelIndex& index, bool highlighted) const {
    const QStringList labels = index.data(RegisterModel::CategoryLabelsRole).toStringList();
    const QStringList amounts = index.data(RegisterModel::CategoryAmountsRole).toStringList();
    const QColor labelColor = hexColor(index.data(
        highlighted ? RegisterModel::HighlightedTextColorRole : RegisterModel::TextColorRole));
    const QColor amountColor =
        hexColor(index.data(highlighted ? RegisterModel::HighlightedSecondaryColorRole
                                        : RegisterModel::SecondaryColorRole));
    const QFontMetricsF metrics(m_fonts.cell());
    const double lineStep = metrics.height() + 4 * m_fonts.pixelsPerPoint();
    painter.setFont(m_fonts.cell());
    double y = rect.top();
    for (int i = 0; i < labels.size(); ++i) {
        const QString amount = i < amounts.size() ? amounts[i] : QString();
        const double amountWidth = metrics.horizontalAdvance(amount);
        const QString label = elidedLabel(metrics, labels[i], rect.width() - amountWidth);
        const QRectF line(rect.left(), y, rect.width(), metrics.height());
        painter.setPen(labelColor);
        painter.drawText(line, Qt::AlignLeft | Qt::AlignTop, label);
        if (!amount.isEmpty()) {
            painter.setPen(amountColor);
            painter.drawText(line.adjusted(metrics.horizontalAdvance(label), 0, 0, 0),
                             Qt::AlignLeft | Qt::AlignTop, amount);
        }
        y += lineStep;
    }
}

QSize RegisterDelegate::sizeHint(const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    RegisterRowHeight::Lines lines;
    lines.notes = index.data(RegisterModel::NoteLinesRole).toInt();
    lines.categories = index.data(RegisterModel::CategoryLinesRole).toInt();
    return {option.rect.width(), m_fonts.rowHeight(lines)};
}
