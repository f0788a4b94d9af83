#include "ui/editor/EditView.h"

#include <QPainter>

void EditView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int w = width();
    const int h = height();
    painter.fillRect(QRect(0, 2, w, h - 4), QColor(232, 232, 232));
    // Shading outside the edges: translucent black above, a fading grey below.
    painter.fillRect(QRect(0, 0, w, 1), QColor(0, 0, 0, 18));
    painter.fillRect(QRect(0, 1, w, 1), QColor(0, 0, 0, 46));
    QColor below("#999999");
    below.setAlpha(110);
    painter.fillRect(QRect(0, h - 2, w, 1), below);
    below.setAlpha(45);
    painter.fillRect(QRect(0, h - 1, w, 1), below);
    // The border lines on the panel's own edges.
    painter.fillRect(QRect(0, 2, w, 1), QColor("#9A9A9A"));
    painter.fillRect(QRect(0, h - 3, w, 1), QColor("#CCCCCC"));
}
