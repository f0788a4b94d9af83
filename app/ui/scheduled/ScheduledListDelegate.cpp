#include "ui/scheduled/ScheduledListDelegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include "ui/common/Images.h"
#include "ui/scheduled/ScheduledListModel.h"

namespace {

constexpr int kCardGap = 3;  // above and below each card
constexpr int kFirstRowExtra =
    ScheduledListDelegate::kFirstRowHeight - ScheduledListDelegate::kRowHeight;
constexpr qreal kRadius = 5;
constexpr int kIconSize = 16;
constexpr int kIconGap = 6;
constexpr int kTextInset = 10;
const QColor kBorder(QStringLiteral("#BFC5CC"));
const QColor kButtonText(QStringLiteral("#222222"));

enum class Cap { Left, Middle, Right };

// The card's fill in one cell: the cell's part of a rounded shape that continues past the
// cell on the sides without a cap, so that the cells of a row join into one card.
void fillCard(QPainter* painter, const QRect& card, Cap cap, const QColor& top,
              const QColor& bottom) {
    QRectF shape = QRectF(card).adjusted(0.5, 0.5, -0.5, -0.5);
    if (cap != Cap::Left) {
        shape.setLeft(shape.left() - 2 * kRadius);
    }
    if (cap != Cap::Right) {
        shape.setRight(shape.right() + 2 * kRadius);
    }
    QLinearGradient fill(card.topLeft(), card.bottomLeft());
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    painter->save();
    painter->setClipRect(card);
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(kBorder, 1));
    painter->setBrush(fill);
    painter->drawRoundedRect(shape, kRadius, kRadius);
    painter->restore();
}

bool isSelected(const QStyleOptionViewItem& option) {
    return option.state & QStyle::State_Selected;
}

void fillMiddle(QPainter* painter, const QStyleOptionViewItem& option, const QRect& card, Cap cap) {
    if (isSelected(option)) {
        fillCard(painter, card, cap, QColor(QStringLiteral("#E1ECF9")),
                 QColor(QStringLiteral("#CADCF2")));
    } else {
        fillCard(painter, card, cap, QColor(Qt::white), QColor(QStringLiteral("#F2F4F6")));
    }
}

QFont fontOfSize(const QStyleOptionViewItem& option, int pixelSize, bool bold = false) {
    QFont font = option.font;
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

}  // namespace

QRect ScheduledListDelegate::cardRect(const QRect& cellRect, int row) {
    return cellRect.adjusted(0, kCardGap + (row == 0 ? kFirstRowExtra : 0), 0, -kCardGap);
}

QRect ScheduledListDelegate::buttonRect(const QRect& cellRect, int row) {
    const QRect card = cardRect(cellRect, row);
    const int height = 22;
    const int width = std::min(card.width() - 16, 76);
    return {card.center().x() - width / 2 - 2, card.center().y() - height / 2 + 1, width, height};
}

QSize ScheduledListDelegate::sizeHint(const QStyleOptionViewItem& option,
                                      const QModelIndex& index) const {
    const int height = index.row() == 0 ? kFirstRowHeight : kRowHeight;
    return {QStyledItemDelegate::sizeHint(option, index).width(), height};
}

void ScheduledListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    switch (index.column()) {
        case ScheduledListModel::DueDateColumn:
            paintDueDate(painter, option, index);
            break;
        case ScheduledListModel::TitleColumn:
            paintTitle(painter, option, index);
            break;
        case ScheduledListModel::AmountColumn:
            paintAmount(painter, option, index);
            break;
        case ScheduledListModel::ActionColumn:
            paintAction(painter, option, index);
            break;
        default:
            break;
    }
}

void ScheduledListDelegate::paintDueDate(QPainter* painter, const QStyleOptionViewItem& option,
                                         const QModelIndex& index) const {
    const QRect card = cardRect(option.rect, index.row());
    const bool due = index.data(ScheduledListModel::DueRole).toBool();
    if (due) {
        fillCard(painter, card, Cap::Left, QColor(QStringLiteral("#DE5A55")),
                 QColor(QStringLiteral("#BD3B3C")));
    } else {
        fillCard(painter, card, Cap::Left, QColor(QStringLiteral("#F3F5F7")),
                 QColor(QStringLiteral("#E0E4E8")));
    }
    painter->save();
    painter->setPen(QPen(kBorder, 1));
    painter->drawLine(card.topRight(), card.bottomRight());
    painter->setFont(fontOfSize(option, 12, true));
    painter->setPen(due ? QColor(Qt::white) : QColor(QStringLiteral("#4B5259")));
    const QRect text = card.adjusted(kTextInset, 0, -kTextInset / 2, 0);
    painter->drawText(
        text, Qt::AlignCenter,
        painter->fontMetrics().elidedText(index.data().toString(), Qt::ElideRight, text.width()));
    painter->restore();
}

void ScheduledListDelegate::paintTitle(QPainter* painter, const QStyleOptionViewItem& option,
                                       const QModelIndex& index) const {
    const QRect card = cardRect(option.rect, index.row());
    fillMiddle(painter, option, card, Cap::Middle);
    QStringList icons;
    if (index.data(ScheduledListModel::RepeatsRole).toBool()) {
        icons << QStringLiteral("repeatingIcon");
    }
    if (index.data(ScheduledListModel::TransferRole).toBool()) {
        icons << QStringLiteral("transferIcon");
    }
    painter->save();
    painter->setFont(fontOfSize(option, 13));
    painter->setPen(QColor(QStringLiteral("#222222")));
    const QRect area = card.adjusted(kTextInset, 0, -kTextInset, 0);
    const int iconsWidth = static_cast<int>(icons.size()) * (kIconSize + kIconGap);
    const QString text = painter->fontMetrics().elidedText(index.data().toString(), Qt::ElideRight,
                                                           std::max(0, area.width() - iconsWidth));
    painter->drawText(area, Qt::AlignLeft | Qt::AlignVCenter, text);
    int x = area.left() + painter->fontMetrics().horizontalAdvance(text);
    const qreal ratio = painter->device()->devicePixelRatioF();
    for (const QString& icon : icons) {
        x += kIconGap;
        painter->drawPixmap(x, card.center().y() - kIconSize / 2 + 1,
                            Images::pixmap(icon, kIconSize, ratio));
        x += kIconSize;
    }
    painter->restore();
}

void ScheduledListDelegate::paintAmount(QPainter* painter, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const {
    const QRect card = cardRect(option.rect, index.row());
    fillMiddle(painter, option, card, Cap::Middle);
    painter->save();
    painter->setFont(fontOfSize(option, 13, true));
    painter->setPen(
        QColor(QStringLiteral("#") + index.data(ScheduledListModel::ColorRole).toString()));
    const QRect text = card.adjusted(kTextInset, 0, -kTextInset, 0);
    painter->drawText(
        text, Qt::AlignRight | Qt::AlignVCenter,
        painter->fontMetrics().elidedText(index.data().toString(), Qt::ElideLeft, text.width()));
    painter->restore();
}

void ScheduledListDelegate::paintAction(QPainter* painter, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const {
    const QRect card = cardRect(option.rect, index.row());
    fillMiddle(painter, option, card, Cap::Right);
    QStyleOptionButton button;
    button.initFrom(option.widget);
    button.rect = buttonRect(option.rect, index.row());
    button.text = index.data().toString();
    button.state =
        QStyle::State_Enabled | (m_pressed == index ? QStyle::State_Sunken : QStyle::State_Raised);
    button.palette.setColor(QPalette::ButtonText, kButtonText);
    button.fontMetrics = QFontMetrics(fontOfSize(option, 12));
    QStyle* style = option.widget != nullptr ? option.widget->style() : QApplication::style();
    painter->save();
    painter->setFont(fontOfSize(option, 12));
    style->drawControl(QStyle::CE_PushButton, &button, painter, option.widget);
    painter->restore();
}

bool ScheduledListDelegate::editorEvent(QEvent* event, QAbstractItemModel* model,
                                        const QStyleOptionViewItem& option,
                                        const QModelIndex& index) {
    if (index.column() != ScheduledListModel::ActionColumn) {
        return QStyledItemDelegate::editorEvent(event, model, option, index);
    }
    auto* view = qobject_cast<QAbstractItemView*>(const_cast<QWidget*>(option.widget));
    const auto repaint = [view](const QModelIndex& cell) {
        if (view != nullptr && cell.isValid()) {
            view->update(cell);
        }
    };
    const bool onButton = [&] {
        const auto* mouse = dynamic_cast<QMouseEvent*>(event);
        return mouse != nullptr && mouse->button() == Qt::LeftButton &&
               buttonRect(option.rect, index.row()).contains(mouse->position().toPoint());
    }();
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (onButton) {
                m_pressed = index;
                repaint(index);
                // The press still selects the row, so the button acts on the selected item.
                return false;
            }
            break;
        case QEvent::MouseButtonRelease: {
            const QPersistentModelIndex pressed = m_pressed;
            m_pressed = QPersistentModelIndex();
            repaint(pressed);
            if (onButton && pressed == index) {
                emit actionClicked(index);
                return true;
            }
            break;
        }
        default:
            break;
    }
    return QStyledItemDelegate::editorEvent(event, model, option, index);
}
