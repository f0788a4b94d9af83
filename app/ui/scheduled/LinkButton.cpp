#include "ui/scheduled/LinkButton.h"

#include <QPainter>
#include <QStyleOptionFocusRect>

#include "ui/common/UrlOpener.h"

namespace {

const QColor kLinkColor(QStringLiteral("#1D5FBF"));

}  // namespace

LinkButton::LinkButton(QWidget* parent) : QAbstractButton(parent) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (m_url.isValid()) {
            UrlOpener::shared().open(m_url);
        }
    });
}

QSize LinkButton::sizeHint() const {
    const QFontMetrics metrics(font());
    const QSize wanted(metrics.horizontalAdvance(text()) + 4, metrics.height() + 4);
    return wanted.boundedTo(maximumSize());
}

QSize LinkButton::minimumSizeHint() const {
    const QFontMetrics metrics(font());
    return {std::min(metrics.horizontalAdvance(QStringLiteral("www...")), sizeHint().width()),
            metrics.height() + 4};
}

void LinkButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QFont linkFont = font();
    linkFont.setUnderline(true);
    painter.setFont(linkFont);
    painter.setPen(isDown() ? kLinkColor.darker(150) : kLinkColor);
    const QRect area = rect().adjusted(2, 2, -2, -2);
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter,
                     painter.fontMetrics().elidedText(text(), Qt::ElideMiddle, area.width()));
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}
