#include "ui/register/StatusField.h"

#include <QMouseEvent>

StatusField::StatusField(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignCenter);
    setTextInteractionFlags(Qt::NoTextInteraction);
    setCursor(Qt::PointingHandCursor);
}

void StatusField::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    emit clicked();
}
