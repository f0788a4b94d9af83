#include "ui/budgets/BudgetBarCell.h"

#include <QColor>
#include <QFont>
#include <QPainter>

#include "budgets/BudgetBarFigures.h"
#include "ui/common/Images.h"

namespace {

const QString kTrackLeft = QStringLiteral("barGrayLeft");
const QString kTrackMiddle = QStringLiteral("barGrayMiddle");
const QString kTrackRight = QStringLiteral("barGrayRight");
const QString kZoom = QStringLiteral("zoom");

QFont labelFont() {
    QFont font;
    font.setPixelSize(11);
    return font;
}

}  // namespace

BudgetBarCell::Layout BudgetBarCell::layoutWithFrame(const QRectF& frame) {
    const qreal trackHeight = Images::imageSize(kTrackLeft).height();
    const qreal barWidth = frame.width() - 20;
    Layout layout;
    layout.barRect = QRectF(frame.x(), frame.y(), barWidth, trackHeight);
    layout.buttonRect =
        QRectF(QPointF(frame.x() + barWidth + 4, frame.y() + 2), Images::imageSize(kZoom));
    layout.labelRect = QRectF(frame.x(), frame.y() + 2, barWidth, trackHeight);
    return layout;
}

void BudgetBarCell::draw(QPainter& painter, const QRectF& frame, const TrackRow& row,
                         const QString& progressMessage, Pointer pointer) {
    const Layout layout = layoutWithFrame(frame);
    Images::drawThreePartImage(painter, layout.barRect, kTrackLeft, kTrackMiddle, kTrackRight);

    const BudgetBarFigures figures = BudgetBarFigures::forRow(row);
    const QString fill =
        figures.isOverLimit() ? QStringLiteral("barRed") : QStringLiteral("barGreen");
    const qreal fillWidth = figures.fillWidth(layout.barRect.width());
    if (fillWidth > 0) {
        Images::drawImage(painter,
                          QRectF(layout.barRect.x() + 1, layout.barRect.y(), fillWidth,
                                 Images::imageSize(fill).height()),
                          fill);
    }

    if (pointer.overCell || pointer.overButton) {
        painter.save();
        painter.setFont(labelFont());
        QColor color(Qt::black);
        color.setAlphaF(0.8F);
        painter.setPen(color);
        painter.drawText(layout.labelRect, Qt::AlignHCenter | Qt::AlignTop, progressMessage);
        painter.restore();
    }

    if (!hasZoomButton(row.type)) {
        return;
    }
    const qreal ratio = painter.device() != nullptr ? painter.device()->devicePixelRatioF() : 1.0;
    QString button;
    if (pointer.overButton) {
        button =
            pointer.buttonPressed ? QStringLiteral("zoomPressed") : QStringLiteral("zoomRollover");
    } else if (pointer.overCell) {
        button = kZoom;
    }
    if (!button.isEmpty()) {
        painter.drawPixmap(layout.buttonRect.topLeft(), Images::image(button, ratio));
    }
}
