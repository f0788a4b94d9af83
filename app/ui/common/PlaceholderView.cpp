#include "ui/common/PlaceholderView.h"

#include <QPaintEvent>
#include <QPainter>

PlaceholderView::PlaceholderView(QWidget* parent) : QWidget(parent) {}

void PlaceholderView::setColor(const QColor& color) {
    m_color = color;
    update();
}

void PlaceholderView::setPattern(const QPixmap& pattern) {
    m_pattern = pattern;
    update();
}

void PlaceholderView::setText(const QString& text) {
    m_text = text;
    update();
}

void PlaceholderView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (m_pattern.isNull()) {
        painter.fillRect(event->rect(), m_color);
    } else {
        // The pattern lines up with the top of the view, whatever part is repainted.
        painter.setBrushOrigin(0, 0);
        painter.fillRect(event->rect(), QBrush(m_pattern));
    }
    if (!m_text.isEmpty()) {
        painter.setPen(palette().color(QPalette::PlaceholderText));
        painter.drawText(rect().adjusted(16, 16, -16, -16), Qt::AlignCenter | Qt::TextWordWrap,
                         m_text);
    }
}
